#include "app/EntryStyle.h"

#include "model/MemoLines.h"

#include <QPainter>
#include <QPlainTextEdit>

namespace {

void useEntryColours(QWidget *control)
{
    const QColor paleYellow(0xFF, 0xFF, 0xCC);
    QPalette palette = control->palette();
    palette.setColor(QPalette::Base, paleYellow);
    palette.setColor(QPalette::Window, paleYellow);
    palette.setColor(QPalette::WindowText, Qt::black);
    control->setPalette(palette);
    control->setFont(entryFont());
}

} // namespace

EntryLineEdit::EntryLineEdit(QWidget *parent) : QLineEdit(parent)
{
    useEntryColours(this);
    // The style's own frame is rounded; this one is drawn flat over a filled background.
    setFrame(false);
    setAutoFillBackground(true);
    setTextMargins(1, 1, 1, 1);
}

void EntryLineEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(flagged() ? Qt::red : Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (flagged())
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

void EntryLineEdit::setFlag(const QString &reason)
{
    if (reason == m_flag)
        return;
    m_flag = reason;
    setToolTip(reason);
    update();
}

void applyEntryStyle(QPlainTextEdit *memo)
{
    useEntryColours(memo);
    memo->setFrameStyle(QFrame::Box | QFrame::Plain);
    memo->setLineWidth(1);
}
