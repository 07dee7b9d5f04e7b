#pragma once

#include <QByteArray>
#include <QPointF>
#include <QString>

#include <string>

// Checks of a printed HUB-3A slip read from a PDF, for a slip whose top edge lies topMm down
// the page.

// Measures the corners of the order's and the stub's frames on a 600 dpi raster (the centre of
// each rule across its width) and expects each within 0.1 mm of the form's artwork.
void expectFrameCorners(const QString &pdf, double topMm, const char *what);

// Reads the barcode back from rasters of the PDF at 300 and 600 dpi, as office printers print it,
// and expects payload byte for byte. The slip's corner lies at cornerMm on paper. A printer whose
// calibration is not the default prints the page paperScale times as large: its dots are then
// rasters of the PDF at paperScale times their resolution.
void expectBarcodeReadsBack(const QString &pdf, QPointF cornerMm, const QByteArray &payload,
                            const std::string &what, double paperScale = 1);
