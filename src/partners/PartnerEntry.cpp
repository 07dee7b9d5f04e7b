#include "PartnerEntry.h"

PartnerParts SplitPartner(const QString &entry)
{
    const qsizetype first = entry.indexOf(partnerSeparator);
    // A hand-written line without a separator would otherwise lose its last character to the
    // reference; it is kept whole as the name.
    if (first < 0)
        return {entry, QString(), QString()};
    const QString rest = entry.mid(first + 1);
    const qsizetype second = rest.indexOf(partnerSeparator);
    if (second < 0)
        return {entry.left(first), QString(), rest};
    return {entry.left(first), rest.left(second), rest.mid(second + 1)};
}

QString joinPartner(const QString &name, const QString &account, const QString &reference)
{
    return name + partnerSeparator + account + partnerSeparator + reference;
}
