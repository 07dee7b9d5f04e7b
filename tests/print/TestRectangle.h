#pragma once

#include <QImage>
#include <QRectF>
#include <QString>

class PrinterDevice;

// A one-page document titled title holding a 1000 by 500 unit rectangle at (100, 200), drawn with
// a pen two units wide: a check of the printer's device unit and origin.
void printTestRectangle(PrinterDevice &printer, const QString &title);

// Expects the rectangle's top and left sides on the printed page's raster at 1/12.5 mm a unit
// from the corner of areaMm, the printable area.
void expectTestRectangle(const QImage &raster, const QRectF &areaMm);
