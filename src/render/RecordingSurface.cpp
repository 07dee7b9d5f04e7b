#include "render/RecordingSurface.h"

RecordingSurface::RecordingSurface()
    : m_ownFonts(std::make_unique<FittedFonts>()), m_measure(m_ownFonts.get())
{
}

RecordingSurface::RecordingSurface(TextMeasure &measure) : m_measure(&measure) {}

RecordedOp &RecordingSurface::add(OpKind kind)
{
    RecordedOp &op = m_ops.emplace_back();
    op.kind = kind;
    op.state = state();
    return op;
}

void RecordingSurface::paintMove(int x, int y)
{
    RecordedOp &op = add(OpKind::MoveTo);
    op.x = x;
    op.y = y;
}

void RecordingSurface::paintLine(QPoint, QPoint to)
{
    RecordedOp &op = add(OpKind::LineTo);
    op.x = to.x();
    op.y = to.y();
}

void RecordingSurface::paintRectangle(int x1, int y1, int x2, int y2)
{
    RecordedOp &op = add(OpKind::Rectangle);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
}

void RecordingSurface::paintFill(int x1, int y1, int x2, int y2)
{
    RecordedOp &op = add(OpKind::FillRect);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
}

void RecordingSurface::paintText(int x, int y, const QString &text)
{
    const int tw = measureWidth(text);
    RecordedOp &op = add(OpKind::TextOut);
    op.x = x;
    op.y = y;
    op.text = text;
    op.tw = tw;
}

void RecordingSurface::paintClippedText(int x1, int y1, int x2, int y2, int x, int y, const QString &text)
{
    const int tw = measureWidth(text);
    RecordedOp &op = add(OpKind::TextRect);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.x = x;
    op.y = y;
    op.text = text;
    op.tw = tw;
}

int RecordingSurface::measureWidth(const QString &text)
{
    return m_measure->textWidth(state().font, text);
}

void RecordingSurface::paintBarcode(int x1, int y1, int x2, int y2, const QByteArray &payload)
{
    RecordedOp &op = add(OpKind::Barcode);
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.payload = payload;
}
