#include "render/BarcodePlacement.h"

#include "render/BarcodeSymbol.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double millimetresPerInch = 25.4;
constexpr double moduleInches = 0.01;
// The HUB-3A cell's bars start this far under the top of the cell (1.02 mm under its 1 pt line).
constexpr double topGapMillimetres = 0.84;

double rowHeightFor(int rows, double module, double height)
{
    constexpr int quiet = 2 * BarcodeSymbol::quietModules;
    if ((rows * BarcodeSymbol::rowModules + quiet) * module <= height)
        return BarcodeSymbol::rowModules * module;
    return 2 * module;
}

} // namespace

BarcodePlacement placeBarcode(int width, int rows, const QRectF &cell, double dotsPerInch,
                              BarcodeDevice device)
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
    placement.rowHeight = rowHeightFor(rows, placement.module, cell.height());
    const double symbolWidth = width * placement.module;
    double symbolHeight = rows * placement.rowHeight;
    const double quietHeight = quiet * placement.module;
    if (symbolHeight + quietHeight > cell.height()) {
        // Even 2-module rows are too tall: squeeze the rows into the cell.
        placement.rowHeight = (cell.height() - quietHeight) / rows;
        symbolHeight = rows * placement.rowHeight;
        placement.scaled = true;
    }
    const double topGap = topGapMillimetres * dotsPerInch / millimetresPerInch;
    const double spareHeight = cell.height() - symbolHeight;
    const double y = cell.top() + std::min(topGap, spareHeight / 2);
    const double x = cell.left() + (cell.width() - symbolWidth) / 2;
    if (device == BarcodeDevice::Vector) {
        // Whole modules from the page's corner, so a 300 or 600 dpi raster of the page has whole dots.
        placement.origin = QPointF(std::round(x / placement.module) * placement.module,
                                   std::round(y / placement.module) * placement.module);
    } else {
        placement.origin = QPointF(std::round(x), std::round(y));
    }
    if (device == BarcodeDevice::Raster && !placement.scaled)
        placement.rowHeight = std::round(placement.rowHeight);
    return placement;
}
