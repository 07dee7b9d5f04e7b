#pragma once

#include <QRectF>

// Where a barcode's modules go on a device: the top-left corner of its first module, a module's
// width and a row's height, all in device units.
struct BarcodePlacement
{
    QPointF origin;
    double module = 0;
    double rowHeight = 0;
    bool scaled = false; // the module had to shrink below the device's 0.254 mm (the picture may not scan)
};

// How a device draws modules: raster devices in whole pixels, vector devices (PDF) in exact units.
enum class BarcodeDevice { Raster, Vector };

// Places a symbol of `width` x `rows` modules with its quiet zones in `cell` (device units).
// The module is 0.254 mm (1/100 inch) at dotsPerInch across: on a raster device the nearest whole
// number of pixels that keeps the symbol in the cell, down to 1, and below that the symbol is
// scaled into the cell; on a vector device exactly 1/100 inch with the origin on a multiple of the
// module from the device's (0, 0). Rows are 3 modules high at dotsPerInchDown (a calibration may
// scale a page unequally) when 3 fit the cell; a longer symbol's rows are as high as the cell allows
// with 2 mm of white above and below, but at least 2 modules. The symbol is centred across the cell
// and down it, so that a short symbol keeps at least 2 mm of white to the lines above and below it
// and a tall one splits what room there is evenly.
BarcodePlacement placeBarcode(int width, int rows, const QRectF &cell, double dotsPerInch,
                              double dotsPerInchDown, BarcodeDevice device);

// The same on a device of equal resolution across and down.
inline BarcodePlacement placeBarcode(int width, int rows, const QRectF &cell, double dotsPerInch,
                                     BarcodeDevice device)
{
    return placeBarcode(width, rows, cell, dotsPerInch, dotsPerInch, device);
}
