#include "render/QPainterSurface.h"

#include "render/BarcodeModules.h"
#include "render/BarcodePlacement.h"
#include "render/BarcodeSymbol.h"
#include "render/KeptBarcode.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPen>
#include <QRect>

#include <cmath>
#include <utility>

namespace {

QColor toQColor(Color color)
{
    return QColor::fromRgb(color & 0xFFFFFF);
}

// The rectangle (x1, y1)-(x2, y2) with its corners in order; right and bottom edges excluded.
QRect spanned(int x1, int y1, int x2, int y2)
{
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

} // namespace

QPainterSurface::QPainterSurface(QPainter &painter) : m_painter(painter), m_fonts(m_ownFonts)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

QPainterSurface::QPainterSurface(QPainter &painter, FittedFonts &fonts) : m_painter(painter), m_fonts(fonts)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
}

void QPainterSurface::usePen()
{
    const PenState &state = this->state().pen;
    if (m_painterPen == state)
        return;
    m_painterPen = state;
    QPen pen(toQColor(state.color), state.width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (state.style == PenStyle::psDot)
        pen.setDashPattern({1.0, 1.0});
    m_painter.setPen(pen);
}

void QPainterSurface::paintMove(int, int) {}

void QPainterSurface::paintLine(QPoint from, QPoint to)
{
    usePen();
    m_painter.drawLine(from, to);
}

void QPainterSurface::paintRectangle(int x1, int y1, int x2, int y2)
{
    const QRect area = spanned(x1, y1, x2, y2);
    if (area.isEmpty())
        return;
    if (state().brush.style == BrushStyle::bsSolid)
        m_painter.fillRect(area, toQColor(state().brush.color));
    usePen();
    m_painter.setBrush(Qt::NoBrush);
    // QPainter outlines a rectangle one pixel wider and higher than its QRect.
    m_painter.drawRect(area.adjusted(0, 0, -1, -1));
}

void QPainterSurface::paintFill(int x1, int y1, int x2, int y2)
{
    if (state().brush.style == BrushStyle::bsSolid)
        m_painter.fillRect(spanned(x1, y1, x2, y2), toQColor(state().brush.color));
}

void QPainterSurface::drawText(int x, int y, const QString &text)
{
    const FontState &font = state().font;
    if (font.height < 1 || text.isEmpty())
        return;
    const FittedFont &fitted = m_fonts.fitted(font);
    // Giving the painter a font makes it look the face up again at the next text, so a font
    // that has not changed is not given again.
    if (m_painterFont != font) {
        m_painter.setFont(fitted.font);
        m_painterFont = font;
    }
    m_painter.setPen(toQColor(font.color));
    m_painterPen.reset();
    if (font.orientation == 0) {
        m_painter.drawText(QPointF(x, y + fitted.baseline), text);
        return;
    }
    m_painter.save();
    m_painter.translate(x, y);
    m_painter.rotate(-font.orientation / 10.0);
    m_painter.drawText(QPointF(0, fitted.baseline), text);
    m_painter.restore();
}

void QPainterSurface::paintText(int x, int y, const QString &text)
{
    if (state().brush.style == BrushStyle::bsSolid && !text.isEmpty())
        m_painter.fillRect(QRect(x, y, TextWidth(text), state().font.height), toQColor(state().brush.color));
    drawText(x, y, text);
}

void QPainterSurface::paintClippedText(int x1, int y1, int x2, int y2, int x, int y, const QString &text)
{
    const QRect clip = spanned(x1, y1, x2, y2);
    if (state().brush.style == BrushStyle::bsSolid)
        m_painter.fillRect(clip, toQColor(state().brush.color));
    m_painter.save();
    m_painter.setClipRect(clip, m_painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    const FontState &font = state().font;
    const qreal room = clip.right() + 1 - x;
    const qreal width = font.height < 1 || text.isEmpty()
                            ? 0
                            : QFontMetricsF(m_fonts.fitted(font).font).horizontalAdvance(text);
    if (font.orientation == 0 && width > room && room > 0) {
        // A caption is fitted to its clip rectangle by cell height; at the small heights of a
        // preview its text can come out wider than the rectangle, where the print shows it
        // whole. It is drawn smaller, from the same top-left corner, until it fits.
        const qreal scale = room / width;
        m_painter.translate(x, y);
        m_painter.scale(scale, scale);
        drawText(0, 0, text);
    } else {
        drawText(x, y, text);
    }
    m_painter.restore();
    m_painterFont.reset(); // the painter has its font from before the clip again
}

int QPainterSurface::measureWidth(const QString &text)
{
    return m_fonts.textWidth(state().font, text);
}

void QPainterSurface::paintBarcode(int x1, int y1, int x2, int y2, const QByteArray &payload)
{
    std::optional<BarcodeSymbol> ownSymbol;
    const BarcodeSymbol &symbol =
        m_keptBarcode ? m_keptBarcode->symbolOf(payload) : ownSymbol.emplace(BarcodeSymbol::hub3a(payload));
    // Modules are placed in device units, where pixels and printer dots are whole. The combined
    // transform, not the device transform: a widget painted inside its window keeps its offset in
    // the window's backing store after resetTransform(), which the device transform includes.
    const QRectF cell = m_painter.combinedTransform().mapRect(QRectF(spanned(x1, y1, x2, y2)));
    const BarcodeDevice device = m_painter.paintEngine()->type() == QPaintEngine::Raster
                                     ? BarcodeDevice::Raster
                                     : BarcodeDevice::Vector;
    const QSizeF dotsPerInch = m_barcodeDotsPerInch.value_or(
        QSizeF(m_painter.device()->logicalDpiX(), m_painter.device()->logicalDpiY()));
    const BarcodePlacement placement =
        placeBarcode(symbol.width(), symbol.rows(), cell, dotsPerInch.width(), dotsPerInch.height(), device);
    const QColor ink = toQColor(state().pen.color);
    m_painter.save();
    m_painter.resetTransform();
    // On a raster reached by a whole-pixel shift the painter's coordinates are its pixels, where
    // the picture of the modules has the pixels of their rectangles.
    const QTransform toDevice = m_painter.deviceTransform();
    if (device == BarcodeDevice::Raster && toDevice.type() <= QTransform::TxTranslate &&
        toDevice.dx() == std::floor(toDevice.dx()) && toDevice.dy() == std::floor(toDevice.dy())) {
        const BarcodePicture modules = barcodePicture(symbol, placement, ink.rgba());
        m_painter.drawImage(modules.corner, modules.picture);
    } else {
        fillBarcodeModules(m_painter, symbol, placement, ink);
    }
    m_painter.restore();
}
