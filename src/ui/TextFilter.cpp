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

QStringList droppedCharacters(const QString &text, const std::function<QString(const QString &)> &filter)
{
    QStringList dropped;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        if (pair)
            ++i;
        if (!dropped.contains(character) && filter(character).isEmpty())
            dropped.append(character);
    }
    return dropped;
}
