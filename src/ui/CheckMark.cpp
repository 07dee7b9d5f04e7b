#include "ui/CheckMark.h"

#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>

CheckMark::CheckMark(QWidget *parent) : QWidget(parent)
{
    setFixedSize(side, side);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void CheckMark::setResult(const CheckResult &result)
{
    if (result.status == m_result.status && result.message == m_result.message)
        return;
    m_result = result;
    setToolTip(result.message);
    setVisible(result.status != CheckStatus::Empty);
    update();
}

CheckMark *CheckMark::beside(QLineEdit *field, std::function<CheckResult(const QString &)> check)
{
    auto *mark = new CheckMark(field->parentWidget());
    const QRect box = field->geometry();
    mark->move(box.right() + 4, box.top() + (box.height() - side) / 2);
    mark->setObjectName(field->objectName() + QStringLiteral("Check"));
    const auto update = [mark, check = std::move(check)](const QString &text) {
        mark->setResult(check(text));
    };
    update(field->text());
    connect(field, &QLineEdit::textChanged, mark, update);
    return mark;
}

void CheckMark::paintMark(QPainter &painter, const QRect &square, CheckStatus status)
{
    if (status == CheckStatus::Empty)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(square).adjusted(1.5, 1.5, -1.5, -1.5);
    const auto at = [&box](double x, double y) {
        return QPointF(box.left() + x * box.width(), box.top() + y * box.height());
    };
    QPainterPath path;
    QColor colour;
    switch (status) {
    case CheckStatus::Valid:
        colour = QColor(0x00, 0x80, 0x00);
        path.moveTo(at(0.05, 0.55));
        path.lineTo(at(0.4, 0.9));
        path.lineTo(at(0.95, 0.1));
        break;
    case CheckStatus::Invalid:
        colour = QColor(0xD0, 0x00, 0x00);
        path.moveTo(at(0.1, 0.1));
        path.lineTo(at(0.9, 0.9));
        path.moveTo(at(0.9, 0.1));
        path.lineTo(at(0.1, 0.9));
        break;
    default:
        colour = QColor(0x80, 0x80, 0x80);
        path.moveTo(at(0.25, 0.3));
        path.cubicTo(at(0.25, -0.05), at(0.8, -0.05), at(0.78, 0.3));
        path.cubicTo(at(0.75, 0.5), at(0.5, 0.5), at(0.5, 0.68));
        path.moveTo(at(0.5, 0.88));
        path.lineTo(at(0.5, 0.95));
        break;
    }
    painter.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.restore();
}

void CheckMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintMark(painter, rect(), m_result.status);
}
