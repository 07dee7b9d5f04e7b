#include "batch/ScannedSlips.h"

#include "model/Hub3aParty.h"

#include <QFileInfo>

namespace ScannedSlips {

namespace {

using F = Hub3aField;

const Hub3aPartyFields &payer = hub3aPartyFields(Hub3aSide::Payer);

} // namespace

Hub3aRecord onTab(const Hub3aRecord &scanned, const Hub3aRecord &tab)
{
    Hub3aRecord record = scanned;
    for (const F field : payer.all()) {
        if (scanned[field].isEmpty())
            record.set(field, tab[field]);
    }
    return record;
}

bool tabHoldsSlip(const Hub3aRecord &tab)
{
    for (const Hub3aFieldSpec &rules : hub3aFields()) {
        if (!payer.contains(rules.field) && rules.field != F::Urgent && !tab[rules.field].isEmpty())
            return true;
    }
    return false;
}

Hub3aTable asTable(const QList<ScannedSlip> &slips, const Hub3aRecord &tab)
{
    // Only the payer comes from the tab: a slip without an amount must not take the tab's.
    const Hub3aRecord base = onTab({}, tab);
    Hub3aTable table;
    for (const ScannedSlip &slip : slips) {
        QList<Hub3aCellText> cells;
        for (const Hub3aFieldSpec &rules : hub3aFields()) {
            if (!slip.record[rules.field].isEmpty())
                cells.append({rules.field, slip.record[rules.field]});
        }
        ++table.rowCount;
        // A slip held for the clerk's choice goes nowhere but to the tab.
        QList<RowProblem> held;
        if (slip.held)
            held.append({table.rowCount, {}, slip.verdict, placeText(slip)});
        addHub3aRow(table, table.rowCount, base, cells, held, placeText(slip));
    }
    return table;
}

QByteArray tableCsv(const QList<ScannedSlip> &slips)
{
    QList<Hub3aRecord> records;
    for (const ScannedSlip &slip : slips)
        records.append(slip.record);
    return hub3aTableCsv(numberedSlips(records));
}

QString placeText(const ScannedSlip &slip)
{
    const QString name = QFileInfo(slip.file).fileName();
    return slip.page > 0 ? QStringLiteral("%1, str. %2").arg(name).arg(slip.page) : name;
}

QString totalText(const QList<ScannedSlip> &slips)
{
    qint64 cents = 0;
    for (const ScannedSlip &slip : slips)
        cents += hub3aAmountCents(slip.record[F::Amount]).value_or(0);
    return QStringLiteral("Ukupno naloga: %1, iznos %2 EUR").arg(slips.size()).arg(hub3aAmountText(cents));
}

} // namespace ScannedSlips
