#include "model/PartyLines.h"

#include <QRegularExpression>
#include <QStringList>

PartyLines PartyLines::of(const QString &text, int nameLength)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n|\v"));
    QStringList lines;
    for (const QString &line : text.split(lineBreak))
        lines.append(line.simplified());
    lines.removeAll(QString());
    // One line in the shape "name, street, place", or one too long for the name, is split at its
    // commas; a short name with one comma ("Horvat, obrt") stays whole.
    if (lines.size() == 1 &&
        (lines[0].count(u',') >= 2 || (lines[0].size() > nameLength && lines[0].contains(u',')))) {
        const QStringList parts = lines[0].split(u',');
        lines.clear();
        for (const QString &part : parts.mid(0, 2))
            lines.append(part.simplified());
        if (parts.size() > 2)
            lines.append(parts.mid(2).join(u',').simplified());
    }
    return {lines.value(0), lines.value(1), lines.mid(2).join(u' ')};
}
