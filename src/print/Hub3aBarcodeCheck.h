#pragma once

#include <QByteArray>
#include <QImage>

// The barcode cell of a HUB-3A slip drawn as a device of dotsPerInch prints it: white, the
// barcode of payload in black, 1 mm of margin around the cell.
QImage printedBarcodeCell(const QByteArray &payload, double dotsPerInch);

// Draws the barcode as a device of dotsPerInch prints it and reads it back. Throws UserError
// saying why when it does not carry payload byte for byte, so that nothing is printed.
void checkPrintedBarcode(const QByteArray &payload, double dotsPerInch);
