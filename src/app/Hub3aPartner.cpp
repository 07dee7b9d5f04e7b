#include "app/Hub3aPartner.h"

#include "partners/PartnerParty.h"
#include "payments/Iban.h"

using namespace Qt::StringLiterals;

QStringList takeHub3aRecipient(Hub3aRecord &record, const QString &entry)
{
    using F = Hub3aField;
    const PartnerParty party = partnerParty(entry, hub3aField(F::RecipientName).maxLength);
    record.set(F::RecipientName, party.name);
    record.set(F::RecipientStreet, party.street);
    record.set(F::RecipientPlace, party.place);
    record.set(F::RecipientIban, party.iban);
    if (party.model)
        record.set(F::RecipientModel, *party.model);
    record.set(F::RecipientReference, party.reference);

    QStringList notes;
    if (!party.account.isEmpty() && party.iban.isEmpty())
        notes.append(u"nije preuzeto: račun primatelja"_s);
    else if (party.iban != compactIban(party.account))
        notes.append(u"račun %1 → %2"_s.arg(party.account, party.iban));
    return notes;
}
