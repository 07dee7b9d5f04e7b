#include "render/DrawingSurface.h"

void DrawingSurface::setBrushColor(Color color)
{
    m_state.brush.color = color;
    if (color == clNone)
        m_state.brush.style = BrushStyle::bsClear;
    else if (m_state.brush.style == BrushStyle::bsClear)
        m_state.brush.style = BrushStyle::bsSolid;
}

void DrawingSurface::MoveTo(int x, int y)
{
    m_penPos = QPoint(x, y);
    paintMove(x, y);
}

void DrawingSurface::LineTo(int x, int y)
{
    const QPoint from = m_penPos;
    m_penPos = QPoint(x, y);
    paintLine(from, m_penPos);
}

void DrawingSurface::Rectangle(int x1, int y1, int x2, int y2)
{
    paintRectangle(x1, y1, x2, y2);
}

void DrawingSurface::FillRect(int x1, int y1, int x2, int y2)
{
    paintFill(x1, y1, x2, y2);
}

void DrawingSurface::TextOut(int x, int y, const QString &text)
{
    paintText(x, y, text);
}

void DrawingSurface::TextRect(int x1, int y1, int x2, int y2, int x, int y, const QString &text)
{
    paintClippedText(x1, y1, x2, y2, x, y, text);
}

int DrawingSurface::TextWidth(const QString &text)
{
    return measureWidth(text);
}

int DrawingSurface::TextHeight(const QString &) const
{
    return m_state.font.height;
}

void DrawingSurface::Barcode(int x1, int y1, int x2, int y2, const QByteArray &payload)
{
    paintBarcode(x1, y1, x2, y2, payload);
}
