#include "DigitBox.h"

#include "SlipFields.h"

DigitBox::DigitBox(QWidget *parent) : EntryLineEdit(parent)
{
    setPositions(3, true);
}

void DigitBox::setPositions(int count, bool reverse)
{
    m_count = count;
    m_reverse = reverse;
    // A mask of required digits with the space as blank keeps every position where it is;
    // optional digits would close up the blanks of a value set by the program.
    setInputMask(QString(count, u'0') + QStringLiteral("; "));
}

void DigitBox::configure(const FieldSpec &fieldRow)
{
    setPositions(fieldRow.length, fieldRow.reverse);
}

QString DigitBox::fieldText() const
{
    // text() drops the blanks; the shown text keeps every position.
    return displayText();
}

void DigitBox::setFieldText(const QString &text)
{
    setText(fitDigitBox(text, m_count, m_reverse));
}

void DigitBox::connectChange(QObject *context, std::function<void()> handler)
{
    connect(this, &QLineEdit::textChanged, context, [handler = std::move(handler)] { handler(); });
}
