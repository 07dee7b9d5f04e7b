#pragma once

class PrinterDevice;
class SettingsStore;
class TForm1;
class TForm3;
class TForm4;

// The print dialog and the calibration dialog of the program, children of the main window, so they
// live until it ends; shown without blocking it. The calibration dialog is made hidden after the
// main window, as its start-up loads the first printer's calibration; the print dialog is made the
// first time it is asked for, so the window's first paint does not wait for it.
class PrintDialogs
{
public:
    PrintDialogs(TForm1 &window, PrinterDevice &printer, const SettingsStore &store);

    TForm3 &printDialog();
    TForm4 &calibrationDialog() const { return *m_calibration; }

    // The main window's "Ispiši": shows the print dialog, or brings it to the front.
    void showPrintDialog();

private:
    TForm1 &m_window;
    PrinterDevice &m_printer;
    const SettingsStore &m_store;
    TForm4 *m_calibration;
    TForm3 *m_print = nullptr;
};
