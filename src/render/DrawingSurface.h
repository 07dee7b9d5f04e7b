#pragma once

#include "render/CanvasState.h"

#include <QByteArray>
#include <QPoint>
#include <QString>

// The canvas that the form layouts draw on: pen, brush and font state plus the drawing
// operations. Rectangles and fills exclude their right and bottom edges; TextOut puts the top-left
// of the first character cell at (x, y); TextHeight is the font's cell height. The state rules
// live here, the pixels in the subclasses.
class DrawingSurface
{
public:
    virtual ~DrawingSurface() = default;

    void setPenStyle(PenStyle style) { m_state.pen.style = style; }
    void setPenWidth(int width) { m_state.pen.width = width; }
    void setPenColor(Color color) { m_state.pen.color = color; }
    void setBrushStyle(BrushStyle style) { m_state.brush.style = style; }
    // clNone makes the brush clear; any other colour given to a clear brush makes it solid again.
    void setBrushColor(Color color);
    void setFontName(const QString &name) { m_state.font.name = name; }
    void setFontHeight(int height) { m_state.font.height = height; }
    void setFontBold(bool bold) { m_state.font.bold = bold; }
    void setFontColor(Color color) { m_state.font.color = color; }
    void setFontCharset(int charset) { m_state.font.charset = charset; }
    void setFontOrientation(int tenthsOfDegree) { m_state.font.orientation = tenthsOfDegree; }

    const CanvasState &state() const { return m_state; }
    QPoint penPos() const { return m_penPos; }

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Rectangle(int x1, int y1, int x2, int y2);
    void FillRect(int x1, int y1, int x2, int y2);
    void TextOut(int x, int y, const QString &text);
    void TextRect(int x1, int y1, int x2, int y2, int x, int y, const QString &text);
    int TextWidth(const QString &text);
    // The HUB-3A barcode of payload in the pen's colour, inside the cell (x1, y1)-(x2, y2) with its
    // quiet zones; the surface sizes the modules for its device (see placeBarcode).
    void Barcode(int x1, int y1, int x2, int y2, const QByteArray &payload);
    int TextHeight(const QString &text) const;

protected:
    virtual void paintMove(int x, int y) = 0;
    virtual void paintLine(QPoint from, QPoint to) = 0;
    virtual void paintRectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void paintFill(int x1, int y1, int x2, int y2) = 0;
    virtual void paintText(int x, int y, const QString &text) = 0;
    virtual void paintClippedText(int x1, int y1, int x2, int y2, int x, int y, const QString &text) = 0;
    virtual int measureWidth(const QString &text) = 0;
    virtual void paintBarcode(int x1, int y1, int x2, int y2, const QByteArray &payload) = 0;

private:
    CanvasState m_state;
    QPoint m_penPos;
};
