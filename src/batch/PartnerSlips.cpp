#include "batch/PartnerSlips.h"

#include "partners/PartnerParty.h"

namespace {

using F = Hub3aField;

// The payer fields one partner gives, each with its text as the partner holds it, as the HUB-3A
// tab takes a partner for its recipient (partnerParty), but that a reference without a model keeps
// base's model and no reference leaves none.
QList<std::pair<F, QString>> payerTexts(const QString &entry, const Hub3aRecord &base,
                                        QList<RowProblem> &problems, int row)
{
    const PartnerParty party = partnerParty(entry);
    if (!party.account.isEmpty() && party.iban.isEmpty())
        problems.append({row, hub3aColumn(F::PayerIban),
                         QStringLiteral("Račun partnera nije IBAN: %1").arg(party.account)});
    const QString model = party.model.value_or(party.reference.isEmpty() ? QString() : base[F::PayerModel]);
    return {{F::PayerName, party.name}, {F::PayerStreet, party.street}, {F::PayerPlace, party.place},
            {F::PayerIban, party.iban}, {F::PayerModel, model},         {F::PayerReference, party.reference}};
}

} // namespace

Hub3aTable partnerSlips(const QStringList &entries, const Hub3aRecord &base)
{
    Hub3aTable table;
    table.rowCount = static_cast<int>(entries.size());
    for (int row = 1; row <= entries.size(); ++row) {
        Hub3aRecord record = base;
        QList<RowProblem> problems;
        for (const auto &[field, text] : payerTexts(entries[row - 1], base, problems, row)) {
            const Hub3aCell cell = readHub3aCell(field, text);
            if (!cell.problem.isEmpty())
                problems.append({row, hub3aColumn(field), cell.problem});
            else
                record.texts[static_cast<size_t>(field)] = cell.text;
        }
        if (problems.isEmpty())
            problems = checkSlip(row, record);
        if (problems.isEmpty())
            table.slips.append({row, record});
        else
            table.problems += problems;
    }
    return table;
}
