#include "partners/PartnerParty.h"

#include "model/PartyLines.h"
#include "partners/PartnerEntry.h"
#include "payments/AccountCheck.h"
#include "payments/ReferenceModels.h"

PartnerParty partnerParty(const QString &entry, int nameLength)
{
    PartnerParty party;
    const PartnerParts parts = SplitPartner(entry);

    const PartyLines lines = PartyLines::of(parts.name, nameLength);
    party.name = lines.name;
    party.street = lines.street;
    party.place = lines.place;

    party.account = parts.account.trimmed();
    party.iban = party.account.isEmpty() ? QString() : checkAccount(party.account).iban;

    // The model ends at the first space after it, before the reference is trimmed: "HR99 " is a
    // model without a reference. Spaces before the model (" 01 1234", an old model) are dropped.
    QString reference = parts.reference;
    while (!reference.isEmpty() && reference.front().isSpace())
        reference.remove(0, 1);
    const qsizetype space = reference.indexOf(u' ');
    if (space < 0) {
        party.reference = reference;
        return party;
    }
    const QString model = reference.left(space);
    const std::optional<int> modelNumber = parseModel(model);
    party.model = modelNumber ? modelName(*modelNumber) : model;
    party.reference = reference.mid(space + 1).simplified().replace(u' ', u'-');
    return party;
}
