#include "batch/CutLine.h"

#include <QPainter>
#include <QPen>

void drawCutLine(QPainter &painter, double left, double right, double y, double unitsPerMm)
{
    QPen pen(Qt::black);
    pen.setStyle(Qt::DashLine);
    pen.setWidthF(0.2 * unitsPerMm);
    painter.save();
    painter.setPen(pen);
    painter.drawLine(QPointF(left, y), QPointF(right, y));
    painter.restore();
}
