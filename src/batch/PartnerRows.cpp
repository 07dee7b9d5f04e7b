#include "batch/PartnerRows.h"

#include "partners/PartnerParty.h"

namespace {

QList<Hub3aCellText> partnerCells(const PartnerParty &party, const Hub3aRecord &base,
                                  const Hub3aPartyFields &side)
{
    const QString model = party.model.value_or(party.reference.isEmpty() ? QString() : base[side.model]);
    return {{side.name, party.name}, {side.street, party.street}, {side.place, party.place},
            {side.iban, party.iban}, {side.model, model},         {side.reference, party.reference}};
}

} // namespace

Hub3aTable partnerRows(const QStringList &entries, const Hub3aRecord &base, PartnerSide side,
                       const QList<Hub3aProblem> &baseMissing)
{
    const Hub3aPartyFields &fields = hub3aPartyFields(side);
    Hub3aTable table;
    table.rowCount = static_cast<int>(entries.size());
    table.baseMissing = baseMissing;
    if (!table.baseMissing.isEmpty())
        return table;
    for (int row = 1; row <= entries.size(); ++row) {
        const PartnerParty party = partnerParty(entries[row - 1], hub3aField(fields.name).maxLength);
        const QString name = party.name.isEmpty() ? QStringLiteral("Partner %1").arg(row) : party.name;
        QList<RowProblem> problems;
        if (!party.account.isEmpty() && party.iban.isEmpty())
            problems.append({row, hub3aColumn(fields.iban),
                             QStringLiteral("Račun partnera nije IBAN: %1").arg(party.account), name});
        addHub3aRow(table, row, base, partnerCells(party, base, fields), problems, name);
    }
    return table;
}
