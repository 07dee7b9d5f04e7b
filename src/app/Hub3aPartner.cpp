#include "app/Hub3aPartner.h"

#include "partners/PartnerParty.h"
#include "payments/Iban.h"

using namespace Qt::StringLiterals;

QStringList takeHub3aRecipient(Hub3aRecord &record, const QString &entry)
{
    using F = Hub3aField;
    const PartnerParty party = partnerParty(entry, hub3aField(F::RecipientName).maxLength);
    QStringList notes;
    const auto take = [&record, &notes](F field, const QString &text) {
        if (const QString note = record.setFitted(field, text); !note.isEmpty())
            notes.append(note);
    };
    take(F::RecipientName, party.name);
    take(F::RecipientStreet, party.street);
    take(F::RecipientPlace, party.place);
    take(F::RecipientIban, party.iban);
    if (party.model)
        take(F::RecipientModel, *party.model);
    take(F::RecipientReference, party.reference);

    if (!party.account.isEmpty() && party.iban.isEmpty())
        notes.append(u"nije preuzeto: račun primatelja"_s);
    else if (party.iban != compactIban(party.account))
        notes.append(u"račun %1 → %2"_s.arg(party.account, party.iban));
    return notes;
}
