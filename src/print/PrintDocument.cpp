#include "print/PrintDocument.h"

#include "print/PrinterDevice.h"

bool PrintOnePage(PrinterDevice &printer, const QString &title,
                  const std::function<void(QPainter &)> &paintPage, std::optional<QSizeF> sheetMm)
{
    printer.setTitle(title);
    if (!printer.BeginDoc(sheetMm))
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
