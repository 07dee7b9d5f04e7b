#pragma once

#include "render/DrawingSurface.h"
#include "render/FittedFonts.h"

#include <QString>

#include <memory>
#include <vector>

enum class OpKind { MoveTo, LineTo, Rectangle, FillRect, TextOut, TextRect, Barcode };

// One drawing operation as a layout issued it, with the canvas state it was drawn in.
// MoveTo and LineTo use x, y; Rectangle and FillRect x1..y2; TextOut x, y, text and tw (its
// TextWidth); TextRect all of them, x1..y2 being the clip; Barcode x1..y2 (its cell) and payload.
struct RecordedOp
{
    OpKind kind = OpKind::MoveTo;
    int x = 0, y = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QString text;
    int tw = 0;
    QByteArray payload;
    CanvasState state;
};

// A surface that draws nothing and logs every operation with its resolved integer coordinates.
class RecordingSurface : public DrawingSurface
{
public:
    // Measures texts with the real fitted fonts, like QPainterSurface.
    RecordingSurface();
    explicit RecordingSurface(TextMeasure &measure);

    const std::vector<RecordedOp> &ops() const { return m_ops; }

protected:
    void paintMove(int x, int y) override;
    void paintLine(QPoint from, QPoint to) override;
    void paintRectangle(int x1, int y1, int x2, int y2) override;
    void paintFill(int x1, int y1, int x2, int y2) override;
    void paintText(int x, int y, const QString &text) override;
    void paintClippedText(int x1, int y1, int x2, int y2, int x, int y, const QString &text) override;
    int measureWidth(const QString &text) override;
    void paintBarcode(int x1, int y1, int x2, int y2, const QByteArray &payload) override;

private:
    RecordedOp &add(OpKind kind);

    std::unique_ptr<FittedFonts> m_ownFonts;
    TextMeasure *m_measure;
    std::vector<RecordedOp> m_ops;
};
