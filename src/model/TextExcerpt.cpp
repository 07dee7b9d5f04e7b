#include "model/TextExcerpt.h"

QString textExcerpt(const QString &text, qsizetype maxLength)
{
    if (text.size() <= maxLength)
        return text;
    qsizetype cut = maxLength;
    if (cut > 0 && text[cut - 1].isHighSurrogate())
        --cut; // never half a character
    return text.left(cut) + QStringLiteral("… (%1 znakova)").arg(text.size());
}
