#include "render/BarcodeModules.h"

#include "render/BarcodePlacement.h"
#include "render/BarcodeSymbol.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Calls run(top, left, width) for every run of dark modules, in the placement's units, with
// the same arithmetic for both ways of drawing, so that they round alike.
template <typename Run>
void forEachRun(const BarcodeSymbol &symbol, const BarcodePlacement &placement, const Run &run)
{
    for (int row = 0; row < symbol.rows(); ++row) {
        const double top = placement.origin.y() + row * placement.rowHeight;
        for (int column = 0; column < symbol.width();) {
            if (!symbol.dark(row, column)) {
                ++column;
                continue;
            }
            const int first = column;
            while (column < symbol.width() && symbol.dark(row, column))
                ++column;
            run(top, placement.origin.x() + first * placement.module, (column - first) * placement.module);
        }
    }
}

} // namespace

void fillBarcodeModules(QPainter &painter, const BarcodeSymbol &symbol, const BarcodePlacement &placement,
                        const QColor &ink)
{
    forEachRun(symbol, placement, [&](double top, double left, double width) {
        painter.fillRect(QRectF(left, top, width, placement.rowHeight), ink);
    });
}

BarcodePicture barcodePicture(const BarcodeSymbol &symbol, const BarcodePlacement &placement, QRgb ink)
{
    // A pixel of transparent margin around the symbol's extent keeps every rounded edge inside.
    const QPointF &origin = placement.origin;
    const QPoint corner(int(std::floor(origin.x())) - 1, int(std::floor(origin.y())) - 1);
    const int width = int(std::ceil(origin.x() + symbol.width() * placement.module)) + 1 - corner.x();
    const int height = int(std::ceil(origin.y() + symbol.rows() * placement.rowHeight)) + 1 - corner.y();
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    forEachRun(symbol, placement, [&](double top, double left, double runWidth) {
        const int from = std::max(0, qRound(left) - corner.x());
        const int to = std::min(width, qRound(left + runWidth) - corner.x());
        const int lastLine = std::min(height, qRound(top + placement.rowHeight) - corner.y());
        for (int line = std::max(0, qRound(top) - corner.y()); line < lastLine; ++line) {
            auto *pixels = reinterpret_cast<QRgb *>(picture.scanLine(line));
            std::fill(pixels + from, pixels + std::max(from, to), ink);
        }
    });
    return {picture, corner};
}
