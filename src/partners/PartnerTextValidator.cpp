#include "PartnerTextValidator.h"

#include "Win1250.h"

#include <algorithm>

namespace {

bool isStrayControl(QChar ch)
{
    return ch.category() == QChar::Other_Control && ch != u'\r' && ch != u'\n';
}

bool isKept(QChar ch)
{
    return !isStrayControl(ch) && !ch.isSurrogate() && Win1250::canEncode(ch);
}

} // namespace

QString PartnerTextValidator::keptText(const QString &text)
{
    // Checking the whole text at once keeps typing cheap; only foreign pasted text is sifted.
    if (std::none_of(text.begin(), text.end(), isStrayControl) && Win1250::canEncode(text))
        return text;
    QString kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), isKept);
    return kept;
}

QValidator::State PartnerTextValidator::validate(QString &input, int &pos) const
{
    const qsizetype keptBeforeCursor = keptText(input.left(pos)).size();
    input = keptText(input);
    pos = static_cast<int>(keptBeforeCursor);
    return Acceptable;
}
