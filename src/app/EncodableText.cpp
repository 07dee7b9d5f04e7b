#include "EncodableText.h"

#include "Win1250.h"

QString encodableOnly(const QString &text)
{
    if (Win1250::canEncode(text))
        return text;
    QString kept;
    kept.reserve(text.size());
    for (const QChar ch : text) {
        if (!ch.isSurrogate() && Win1250::canEncode(ch))
            kept.append(ch);
    }
    return kept;
}
