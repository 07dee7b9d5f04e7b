#include "app/PrintDialogs.h"

#include "app/ZorPrint.h"
#include "print/PrintProp.h"
#include "print/PrnCalibrate.h"

PrintDialogs::PrintDialogs(TForm1 &window, PrinterDevice &printer, const SettingsStore &store)
    : m_calibration(new TForm4(printer, store, window, &window)),
      m_print(new TForm3(printer, store, window, *m_calibration, &window))
{
}

void PrintDialogs::showPrintDialog()
{
    m_print->show();
    m_print->raise();
    m_print->activateWindow();
}
