#pragma once

class PrinterDevice;
class SettingsStore;
class TForm1;
class TForm3;
class TForm4;

// The print dialog and the calibration dialog of the program: created hidden after the main
// window, as its children, so they live until it ends; shown without blocking it.
class PrintDialogs
{
public:
    PrintDialogs(TForm1 &window, PrinterDevice &printer, const SettingsStore &store);

    TForm3 &printDialog() const { return *m_print; }
    TForm4 &calibrationDialog() const { return *m_calibration; }

    // The main window's "Ispiši": shows the print dialog, or brings it to the front.
    void showPrintDialog();

private:
    TForm4 *m_calibration;
    TForm3 *m_print;
};
