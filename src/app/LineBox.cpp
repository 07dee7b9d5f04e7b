#include "app/LineBox.h"

#include "model/SlipFields.h"
#include "ui/TextFilter.h"

#include <algorithm>

// Every edit of the line, typed, pasted, dropped or set, passes through this check.
class LineBox::EditRule : public QValidator
{
public:
    explicit EditRule(LineBox *box) : QValidator(box), m_box(box) {}
    State validate(QString &input, int &pos) const override { return m_box->checkEdit(input, pos); }

private:
    LineBox *m_box;
};

LineBox::LineBox(QWidget *parent) : EntryLineEdit(parent), m_filter(encodableOnly)
{
    setValidator(new EditRule(this));
    connect(this, &QLineEdit::textChanged, this, [this] { m_textBefore = text(); });
}

void LineBox::setTypingLimit(int length)
{
    m_typingLimit = length;
}

void LineBox::setCharacterFilter(std::function<QString(const QString &)> filter)
{
    m_filter = std::move(filter);
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

void LineBox::setFieldTextAsIs(const QString &text)
{
    m_keepingWhole = true;
    setFieldText(text);
    m_keepingWhole = false;
}

void LineBox::connectChange(QObject *context, std::function<void()> handler)
{
    connect(this, &QLineEdit::textChanged, context, [handler = std::move(handler)] { handler(); });
}

namespace {

// A line break (CR LF counting as one) or tab becomes one space; returns how many characters
// before pos went.
int breaksToSpaces(QString &input, int pos)
{
    int removedBeforePos = 0;
    QString spaced;
    spaced.reserve(input.size());
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar ch = input[i];
        if (ch == u'\r' && i + 1 < input.size() && input[i + 1] == u'\n') {
            if (i + 1 < pos)
                ++removedBeforePos;
            continue; // the LF that follows becomes the space
        }
        const bool gap = ch == u'\r' || ch == u'\n' || ch == u'\t' || ch == u'\v' || ch == u'\f' ||
                         ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator;
        spaced.append(gap ? QChar(u' ') : ch);
    }
    input = spaced;
    return removedBeforePos;
}

// How many characters an edit inserted that turned before into after: what is left of after once
// the longest start and end the two share (no more than before holds) are taken away.
qsizetype insertedLength(const QString &before, const QString &after)
{
    const qsizetype shortest = std::min(before.size(), after.size());
    qsizetype start = 0;
    while (start < shortest && before[start] == after[start])
        ++start;
    qsizetype end = 0;
    while (start + end < shortest && before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    return after.size() - start - end;
}

} // namespace

QValidator::State LineBox::checkEdit(QString &input, int &pos)
{
    // Line breaks become spaces before the filter sees them, so that a filter without line breaks
    // keeps the gap a pasted line break made.
    if (m_keepingWhole)
        return QValidator::Acceptable;
    if (!m_settingByProgram)
        pos -= breaksToSpaces(input, pos);
    const QString kept = m_filter(input);
    QStringList refused;
    if (kept.size() != input.size()) {
        if (!m_settingByProgram)
            refused = droppedCharacters(input, m_filter);
        pos -= static_cast<int>(input.left(pos).size() - m_filter(input.left(pos)).size());
    }
    // What the edit inserted, counted as it came (after line breaks became spaces); the rest of
    // the text is what the field held before.
    const qsizetype inserted = m_settingByProgram ? 0 : insertedLength(m_textBefore, input);
    const qsizetype untouched = input.size() - inserted;
    input = kept;
    if (m_settingByProgram)
        return QValidator::Acceptable;
    // Like a limit on typing only: an edit may not grow the text past the limit (a paste is cut to
    // the room left, its end dropped), but a longer text set by the program stays whole and can
    // still be shortened.
    const qsizetype lengthBefore = m_textBefore.size();
    qsizetype cut = 0;
    if (m_typingLimit > 0 && input.size() > m_typingLimit && input.size() > lengthBefore) {
        const qsizetype excess = input.size() - std::max<qsizetype>(m_typingLimit, lengthBefore);
        cut = std::min<qsizetype>(excess, pos);
        input.remove(pos - cut, cut);
        pos -= static_cast<int>(cut);
        if (input.size() > std::max<qsizetype>(m_typingLimit, lengthBefore))
            return QValidator::Invalid;
    }
    // A single key that does not fit simply does nothing; a longer insert says how much of it went in.
    const bool pasteCut = cut > 0 && inserted > 1;
    if (!refused.isEmpty() || pasteCut) {
        const qsizetype keptOfInsert = std::max<qsizetype>(0, input.size() - untouched);
        emit editCut(refused, pasteCut ? static_cast<int>(keptOfInsert) : 0,
                     pasteCut ? static_cast<int>(inserted) : 0);
    }
    return QValidator::Acceptable;
}
