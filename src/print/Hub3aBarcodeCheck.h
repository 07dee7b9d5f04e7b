#pragma once

#include "model/Hub3aRecord.h"
#include "render/LayoutStyle.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <optional>

// The barcode cell of a HUB-3A slip drawn as a device of dotsPerInch prints it: white, the
// barcode of payload in black, 1 mm of margin around the cell.
QImage printedBarcodeCell(const QByteArray &payload, double dotsPerInch);

// Draws the barcode as a device of dotsPerInch prints it and reads it back. Throws UserError
// saying why when it does not carry payload byte for byte, so that nothing is printed.
void checkPrintedBarcode(const QByteArray &payload, double dotsPerInch);

// The check every printed or written slip passes before it goes onto a page: why its barcode
// would not scan, drawn as a device of each resolution prints it and read back (or why there is
// no barcode: the amount is no amount). Nothing when it reads back at every resolution, or when
// mode prints no barcode (the template).
std::optional<QString> hub3aBarcodeProblem(const Hub3aRecord &record, PrintMode mode,
                                           const QList<int> &dotsPerInch);

// As hub3aBarcodeProblem, throwing UserError with the problem.
void requireHub3aBarcodeReadsBack(const Hub3aRecord &record, PrintMode mode, const QList<int> &dotsPerInch);
