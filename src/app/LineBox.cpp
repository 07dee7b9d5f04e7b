#include "LineBox.h"

#include "SlipFields.h"
#include "TextFilter.h"

// Every edit of the line, typed, pasted, dropped or set, passes through this check.
class LineBox::EditRule : public QValidator
{
public:
    explicit EditRule(LineBox *box) : QValidator(box), m_box(box) {}
    State validate(QString &input, int &pos) const override { return m_box->checkEdit(input, pos); }

private:
    const LineBox *m_box;
};

LineBox::LineBox(QWidget *parent) : EntryLineEdit(parent)
{
    setValidator(new EditRule(this));
    connect(this, &QLineEdit::textChanged, this, [this] { m_lengthBefore = text().size(); });
}

void LineBox::setTypingLimit(int length)
{
    m_typingLimit = length;
}

void LineBox::configure(const FieldSpec &fieldRow)
{
    setTypingLimit(fieldRow.length);
}

void LineBox::setFieldText(const QString &text)
{
    m_settingByProgram = true;
    setText(text);
    m_settingByProgram = false;
}

void LineBox::connectChange(QObject *context, std::function<void()> handler)
{
    connect(this, &QLineEdit::textChanged, context, [handler = std::move(handler)] { handler(); });
}

QValidator::State LineBox::checkEdit(QString &input, int &pos) const
{
    const QString kept = encodableOnly(input);
    if (kept.size() != input.size()) {
        pos -= static_cast<int>(input.left(pos).size() - encodableOnly(input.left(pos)).size());
        input = kept;
    }
    // Like a limit on typing only: an edit may not grow the text past the limit, but a longer text
    // set by the program stays whole and can still be shortened.
    if (!m_settingByProgram && m_typingLimit > 0 && input.size() > m_typingLimit &&
        input.size() > m_lengthBefore)
        return QValidator::Invalid;
    return QValidator::Acceptable;
}
