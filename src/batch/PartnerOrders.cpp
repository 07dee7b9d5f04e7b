#include "batch/PartnerOrders.h"

#include "partners/PartnerParty.h"

namespace {

using F = Hub3aField;

QList<Hub3aCellText> recipientCells(const PartnerParty &party, const Hub3aRecord &base)
{
    const QString model =
        party.model.value_or(party.reference.isEmpty() ? QString() : base[F::RecipientModel]);
    return {{F::RecipientName, party.name}, {F::RecipientStreet, party.street},
            {F::RecipientPlace, party.place}, {F::RecipientIban, party.iban},
            {F::RecipientModel, model},       {F::RecipientReference, party.reference}};
}

} // namespace

Hub3aTable partnerOrders(const QStringList &entries, const Hub3aRecord &base)
{
    Hub3aTable table;
    table.rowCount = static_cast<int>(entries.size());
    // Partners give the recipient alone: a base without an amount lacks it for every order.
    for (const Hub3aProblem &missing : hub3aMissingFields(base)) {
        if (missing.field == F::Amount)
            table.baseMissing.append(missing);
    }
    if (!table.baseMissing.isEmpty())
        return table;
    for (int row = 1; row <= entries.size(); ++row) {
        const PartnerParty party = partnerParty(entries[row - 1], hub3aField(F::RecipientName).maxLength);
        const QString name = party.name.isEmpty() ? QStringLiteral("Partner %1").arg(row) : party.name;
        QList<RowProblem> problems;
        if (!party.account.isEmpty() && party.iban.isEmpty())
            problems.append({row, hub3aColumn(F::RecipientIban),
                             QStringLiteral("Račun partnera nije IBAN: %1").arg(party.account), name});
        addHub3aRow(table, row, base, recipientCells(party, base), problems, name);
    }
    return table;
}
