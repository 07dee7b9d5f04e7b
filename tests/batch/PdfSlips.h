#pragma once

#include "PdfPageCount.h"
#include "batch/Hub3aTable.h"

#include <QByteArray>
#include <QList>
#include <QString>

// count slips of members paying a club, Croatian letters in their names, rows numbered from 1.
QList<NumberedSlip> slips(int count);

// The bytes of every barcode in a PDF of slips, page after page and top to bottom, read with
// zxing-cpp from a pdftoppm raster of the pages at dpi.
QList<QByteArray> barcodesOf(const QString &pdf, int slipsPerPage, int dpi);

// The barcode bytes of each slip.
QList<QByteArray> payloadsOf(const QList<NumberedSlip> &slips);
