#include "ui/TextFilter.h"

#include "model/Win1250.h"

#include <algorithm>

namespace {

bool isStrayControl(QChar ch)
{
    return ch.category() == QChar::Other_Control && ch != u'\r' && ch != u'\n';
}

bool isEncodable(QChar ch)
{
    return !ch.isSurrogate() && Win1250::canEncode(ch);
}

bool isEncodableAndNoStrayControl(QChar ch)
{
    return isEncodable(ch) && !isStrayControl(ch);
}

// Checking the whole text at once keeps typing cheap; only foreign pasted text is sifted.
template <typename Keep> QString keptCharacters(const QString &text, bool allKept, Keep keep)
{
    if (allKept)
        return text;
    QString kept;
    kept.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept), keep);
    return kept;
}

} // namespace

QString encodableOnly(const QString &text)
{
    return keptCharacters(text, Win1250::canEncode(text), isEncodable);
}

QString encodableWithoutControls(const QString &text)
{
    const bool allKept = std::none_of(text.begin(), text.end(), isStrayControl) && Win1250::canEncode(text);
    return keptCharacters(text, allKept, isEncodableAndNoStrayControl);
}

QString hub3aCharactersOnly(Hub3aField field, const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar ch : text)
        kept += cleanHub3aText(field, QString(ch));
    return kept;
}

QString droppedCharacters(const QString &text, const std::function<QString(const QString &)> &filter)
{
    QString dropped;
    for (const QChar ch : text) {
        if (!dropped.contains(ch) && filter(QString(ch)).isEmpty())
            dropped += ch;
    }
    return dropped;
}
