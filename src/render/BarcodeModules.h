#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

class BarcodeSymbol;
class QPainter;
struct BarcodePlacement;

// The two ways a placed symbol's dark modules reach a device, with the same pixels on a raster.

// A rectangle for every run of dark modules in a row, in the painter's coordinates: any device.
void fillBarcodeModules(QPainter &painter, const BarcodeSymbol &symbol, const BarcodePlacement &placement,
                        const QColor &ink);

// The same runs as one picture for a raster whose pixels are the painter's coordinates: each run
// covers the pixels an aliased rectangle fill covers (its edges rounded to the nearest pixel), ink
// on transparent. Put down at corner, it costs far less than a rectangle for every bar.
struct BarcodePicture
{
    QImage picture;
    QPoint corner;
};
BarcodePicture barcodePicture(const BarcodeSymbol &symbol, const BarcodePlacement &placement, QRgb ink);
