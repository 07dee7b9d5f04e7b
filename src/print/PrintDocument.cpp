#include "print/PrintDocument.h"

#include "print/PrinterDevice.h"

bool PrintOnePage(PrinterDevice &printer, const QString &title,
                  const std::function<void(QPainter &)> &paintPage)
{
    printer.setTitle(title);
    if (!printer.BeginDoc())
        return false;
    try {
        paintPage(printer.Canvas());
        printer.EndDoc();
    } catch (...) {
        printer.Abort();
        throw;
    }
    return true;
}
