#include "render/BarcodePlacement.h"

#include "render/BarcodeSymbol.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr double moduleInches = 0.01;
// White kept between the symbol and the cell's lines above and below it where the cell has room:
// under blur a line close to the bars costs decodes.
constexpr double clearMillimetres = 2;

// The top of a symbol of height in cell: centred, on a multiple of grid from the device's (0, 0),
// and, where the centred place leaves clear above and below, a grid place that keeps it.
double centredTop(const QRectF &cell, double height, double clear, double grid)
{
    const double centred = cell.top() + (cell.height() - height) / 2;
    double top = std::round(centred / grid) * grid;
    const double highest = cell.top() + clear;
    const double lowest = cell.bottom() - clear - height;
    if (highest <= lowest) {
        if (top < highest)
            top = std::ceil(highest / grid - 1e-9) * grid;
        else if (top > lowest)
            top = std::floor(lowest / grid + 1e-9) * grid;
        if (top < highest || top > lowest) // no grid place between: the centre is the best
            top = centred;
    }
    return top;
}

} // namespace

BarcodePlacement placeBarcode(int width, int rows, const QRectF &cell, double dotsPerInch,
                              double dotsPerInchDown, BarcodeDevice device)
{
    constexpr int quiet = 2 * BarcodeSymbol::quietModules;
    const double exactModule = dotsPerInch * moduleInches;
    BarcodePlacement placement;
    if (device == BarcodeDevice::Vector) {
        placement.module = exactModule;
    } else {
        const int widest = static_cast<int>(std::floor(cell.width() / (width + quiet)));
        const int nearest = std::max(1, static_cast<int>(std::lround(exactModule)));
        placement.module = std::min(nearest, widest);
        if (placement.module < 1) {
            placement.module = cell.width() / (width + quiet);
            placement.scaled = true;
        }
    }
    // The module's height on paper is its width there: measured down the device, in its units.
    const double moduleDown = placement.module * dotsPerInchDown / dotsPerInch;
    const double quietHeight = quiet * moduleDown;
    const double clear = clearMillimetres * dotsPerInchDown / millimetresPerInch;
    const double fullRow = BarcodeSymbol::rowModules * moduleDown;
    const double lowestRow = 2 * moduleDown;
    // Rows of whole pixels on a raster device whose modules are whole pixels.
    const bool whole = device == BarcodeDevice::Raster && !placement.scaled;
    const auto rounded = [whole](double height) {
        return whole ? std::max(1.0, std::round(height)) : height;
    };
    if (rows * fullRow + quietHeight <= cell.height()) {
        placement.rowHeight = rounded(fullRow);
    } else {
        // Rows of 3 modules do not fit: as high as the cell allows with the clear white above and
        // below, never lower than 2 modules while 2 fit with the quiet zones.
        const double room = (cell.height() - 2 * clear) / rows;
        const double withClear = whole ? std::floor(room + 1e-9) : room;
        placement.rowHeight = std::max(std::min(withClear, rounded(fullRow)), rounded(lowestRow));
        if (rows * placement.rowHeight + quietHeight > cell.height()) {
            // Even 2-module rows are too tall: squeeze the rows into the cell.
            placement.rowHeight = (cell.height() - quietHeight) / rows;
            placement.scaled = true;
        }
    }
    const double symbolWidth = width * placement.module;
    const double symbolHeight = rows * placement.rowHeight;
    const double x = cell.left() + (cell.width() - symbolWidth) / 2;
    if (device == BarcodeDevice::Vector) {
        // Whole modules from the page's corner, so a 300 or 600 dpi raster of the page has whole dots.
        placement.origin = QPointF(std::round(x / placement.module) * placement.module,
                                   centredTop(cell, symbolHeight, clear, moduleDown));
    } else {
        placement.origin = QPointF(std::round(x), centredTop(cell, symbolHeight, clear, 1));
    }
    return placement;
}
