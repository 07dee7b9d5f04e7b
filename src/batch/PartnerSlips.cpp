#include "batch/PartnerSlips.h"

#include "partners/PartnerParty.h"

namespace {

using F = Hub3aField;

// The payer fields one partner gives, each with its text as the partner holds it, as the HUB-3A
// tab takes a partner for its recipient (partnerParty), but that a reference without a model keeps
// base's model and no reference leaves none.
QList<Hub3aCellText> payerCells(const PartnerParty &party, const Hub3aRecord &base)
{
    const QString model = party.model.value_or(party.reference.isEmpty() ? QString() : base[F::PayerModel]);
    return {{F::PayerName, party.name}, {F::PayerStreet, party.street}, {F::PayerPlace, party.place},
            {F::PayerIban, party.iban}, {F::PayerModel, model},         {F::PayerReference, party.reference}};
}

} // namespace

Hub3aTable partnerSlips(const QStringList &entries, const Hub3aRecord &base)
{
    Hub3aTable table;
    table.rowCount = static_cast<int>(entries.size());
    // Partners give the payer alone: a base that lacks the recipient or the amount lacks it for all.
    table.baseMissing = hub3aMissingFields(base);
    if (!table.baseMissing.isEmpty())
        return table;
    for (int row = 1; row <= entries.size(); ++row) {
        const PartnerParty party = partnerParty(entries[row - 1], hub3aField(F::PayerName).maxLength);
        const QString name = party.name.isEmpty() ? QStringLiteral("Partner %1").arg(row) : party.name;
        QList<RowProblem> problems;
        if (!party.account.isEmpty() && party.iban.isEmpty())
            problems.append({row, hub3aColumn(F::PayerIban),
                             QStringLiteral("Račun partnera nije IBAN: %1").arg(party.account), name});
        addHub3aRow(table, row, base, payerCells(party, base), problems, name);
    }
    return table;
}
