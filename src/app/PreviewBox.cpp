#include "app/PreviewBox.h"

#include <QPainter>

PreviewBox::PreviewBox(QWidget *parent) : QWidget(parent) {}

void PreviewBox::setPaintHandler(PaintHandler handler)
{
    m_paint = std::move(handler);
    update();
}

void PreviewBox::paintEvent(QPaintEvent *)
{
    if (!m_paint)
        return;
    QPainter painter(this);
    m_paint(painter);
}
