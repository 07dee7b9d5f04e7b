#pragma once

#include <QString>

#include <optional>

// A partner entry as a party of a HUB-3A slip takes it, payer or recipient: the name's lines give
// name, street and place (PartyLines: lines past the third join the place, a one-line name longer
// than nameLength splits at its commas); an account that is an IBAN, or an
// old account that has one, gives the IBAN; a reference "HR01 1234-5" (or " 01 1234-5") gives
// model and reference, the reference's blanks becoming "-".
struct PartnerParty
{
    QString name, street, place;
    QString account;              // as the partner holds it, trimmed
    QString iban;                 // empty when the account is none the checks can turn into an IBAN
    std::optional<QString> model; // nothing when the reference has no model before a space
    QString reference;
};

PartnerParty partnerParty(const QString &entry, int nameLength);
