#pragma once

#include <QSizeF>
#include <QString>

#include <functional>
#include <optional>

class PrinterDevice;
class QPainter;

// Prints one page on the current printer under the title: begins the document (on the printer's
// page set-up, or on a sheet of sheetMm, see PrinterDevice::BeginDoc), lets paintPage draw on
// the page and ends the document. When anything fails after the document began, the
// document is aborted (nothing of it is printed) and the failure goes on to the caller.
// False when the user declined to name an output file, so nothing was printed.
bool PrintOnePage(PrinterDevice &printer, const QString &title,
                  const std::function<void(QPainter &)> &paintPage,
                  std::optional<QSizeF> sheetMm = std::nullopt);
