#include "partners/PartnerEntry.h"

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

QString referenceForEditing(const QString &reference)
{
    QString shown = reference;
    return shown.replace(partnerSeparator, shownSeparator);
}

QString referenceFromEditing(const QString &shown)
{
    QString reference = shown;
    return reference.replace(shownSeparator, partnerSeparator);
}

QString partnerTextOnOneRow(const QString &text)
{
    if (!text.contains(u'\r') && !text.contains(u'\n'))
        return text;
    QString row = text;
    row.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    row.replace(u'\r', u' ');
    return row.replace(u'\n', u' ');
}
