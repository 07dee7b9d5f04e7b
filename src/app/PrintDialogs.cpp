#include "app/PrintDialogs.h"

#include "app/ZorPrint.h"
#include "print/PrintProp.h"
#include "print/PrnCalibrate.h"

PrintDialogs::PrintDialogs(TForm1 &window, PrinterDevice &printer, const SettingsStore &store)
    : m_window(window), m_printer(printer), m_store(store),
      m_calibration(new TForm4(printer, store, window, &window))
{
}

TForm3 &PrintDialogs::printDialog()
{
    if (!m_print)
        m_print = new TForm3(m_printer, m_store, m_window, *m_calibration, &m_window);
    return *m_print;
}

void PrintDialogs::showPrintDialog()
{
    TForm3 &dialog = printDialog();
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}
