#include "app/DigitBox.h"

#include "model/SlipFields.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace {

bool onlyDigitsAndBlanks(const QString &text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar ch) { return ch == u' ' || (ch >= u'0' && ch <= u'9'); });
}

} // namespace

DigitBox::DigitBox(QWidget *parent) : EntryLineEdit(parent)
{
    setPositions(3, true);
}

QString DigitBox::digitMask() const
{
    // A mask of digits with the space as blank keeps every position where it is; without a mask a
    // typed character would be inserted and push the others along.
    return QString(m_count, u'0') + QStringLiteral("; ");
}

void DigitBox::setPositions(int count, bool reverse)
{
    m_count = count;
    m_reverse = reverse;
    m_holdsOtherCharacters = false;
    setInputMask(digitMask());
}

void DigitBox::configure(const FieldSpec &fieldRow)
{
    setPositions(fieldRow.length, fieldRow.reverse);
}

QString DigitBox::fieldText() const
{
    // text() drops the mask's blanks; the shown text keeps every position.
    return m_holdsOtherCharacters ? text() : displayText();
}

void DigitBox::setFieldText(const QString &text)
{
    const QString fitted = fitDigitBox(text, m_count, m_reverse);
    const bool otherCharacters = !onlyDigitsAndBlanks(fitted);
    if (otherCharacters != m_holdsOtherCharacters) {
        const QSignalBlocker quiet(this);
        setInputMask(otherCharacters ? QString() : digitMask());
        m_holdsOtherCharacters = otherCharacters;
    }
    setText(fitted);
}

void DigitBox::beginUserEdit()
{
    if (!m_holdsOtherCharacters)
        return;
    QString kept = text();
    std::replace_if(
        kept.begin(), kept.end(), [](QChar ch) { return ch < u'0' || ch > u'9'; }, u' ');
    const int cursor = cursorPosition();
    {
        const QSignalBlocker quiet(this);
        setInputMask(digitMask());
        m_holdsOtherCharacters = false;
    }
    setText(kept);
    setCursorPosition(cursor);
}

void DigitBox::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool digit = typed.size() == 1 && typed[0] >= u'0' && typed[0] <= u'9';
    if (typed.size() == 1 && typed[0].isPrint() && !digit && event->modifiers() == Qt::NoModifier) {
        event->ignore(); // only digits are typed, also into a value set by the program
        return;
    }
    if (digit || event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete ||
        event->matches(QKeySequence::Paste) || event->matches(QKeySequence::Cut))
        beginUserEdit();
    EntryLineEdit::keyPressEvent(event);
}

void DigitBox::mousePressEvent(QMouseEvent *event)
{
    EntryLineEdit::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || event->modifiers() != Qt::NoModifier || m_count == 0)
        return;
    // The cell under the pointer, not the nearest gap between cells; never past the last cell.
    const int cellWidth = std::max(1, fontMetrics().horizontalAdvance(u'0'));
    const int left = cursorRect().center().x() - (cursorPosition() * cellWidth);
    const int cell = (qRound(event->position().x()) - left) / cellWidth;
    setCursorPosition(std::clamp(cell, 0, m_count - 1));
}

void DigitBox::contextMenuEvent(QContextMenuEvent *event)
{
    beginUserEdit(); // the menu's paste and cut edit the box
    EntryLineEdit::contextMenuEvent(event);
}

void DigitBox::connectChange(QObject *context, std::function<void()> handler)
{
    connect(this, &QLineEdit::textChanged, context, [handler = std::move(handler)] { handler(); });
}
