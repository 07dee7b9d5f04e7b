#pragma once

#include <QChar>
#include <QString>

// A partner entry is one text: name, separator, account, separator, reference. The separator is
// the character 08, which no entry control accepts.
constexpr QChar partnerSeparator{u'\x08'};

struct PartnerParts
{
    QString name, account, reference;
};

// Cuts an entry at its first two separators; further separators stay in the reference. An entry
// with one separator has an empty account; one without any is a name alone.
PartnerParts SplitPartner(const QString &entry);

QString joinPartner(const QString &name, const QString &account, const QString &reference);

// A visible stand-in for a separator inside a reference while it is edited ("¦", which a reference
// never holds otherwise); the edit's text maps back to the separator when it is saved.
constexpr QChar shownSeparator{u'\u00A6'};
QString referenceForEditing(const QString &reference);
QString referenceFromEditing(const QString &shown);

// A text of an entry on one row of a list: its line breaks become spaces.
QString partnerTextOnOneRow(const QString &text);
