#include "batch/Hub3aTable.h"

#include "model/CsvTable.h"
#include "model/Hub3aRules.h"
#include "model/UserError.h"
#include "payments/Hub3aChecks.h"

#include <optional>

namespace {

using F = Hub3aField;

// The columns in the order of Hub3aField.
const QStringList columnNames = {
    QStringLiteral("platitelj_naziv"),
    QStringLiteral("platitelj_ulica"),
    QStringLiteral("platitelj_mjesto"),
    QStringLiteral("primatelj_naziv"),
    QStringLiteral("primatelj_ulica"),
    QStringLiteral("primatelj_mjesto"),
    QStringLiteral("iban_platitelja"),
    QStringLiteral("model_platitelja"),
    QStringLiteral("poziv_platitelja"),
    QStringLiteral("iban_primatelja"),
    QStringLiteral("model_primatelja"),
    QStringLiteral("poziv_primatelja"),
    QStringLiteral("sifra_namjene"),
    QStringLiteral("opis"),
    QStringLiteral("iznos"),
    QStringLiteral("datum_izvrsenja"),
    QStringLiteral("hitno"),
};

} // namespace

Hub3aCell readHub3aCell(F field, const QString &cell)
{
    QString text = raisedHub3aCodes(field, cell.trimmed());
    if (field == F::Urgent && text == u"0")
        text.clear();
    const QString problem = hub3aFieldProblem(field, text);
    if (!problem.isEmpty())
        return {{}, field == F::Urgent ? QStringLiteral("Hitno je 1, 0 ili prazno") : problem};
    return {text, {}};
}

namespace {

// For each column of the header, its field; throws for a name that is no column or comes twice.
QList<F> fieldsOf(const QStringList &header)
{
    QList<F> fields;
    for (const QString &name : header) {
        const qsizetype index = columnNames.indexOf(name.trimmed());
        if (index < 0)
            throw UserError(QStringLiteral("Nepoznat stupac: %1").arg(name.trimmed()));
        const F field = static_cast<F>(index);
        if (fields.contains(field))
            throw UserError(QStringLiteral("Stupac %1 je naveden dvaput").arg(name.trimmed()));
        fields.append(field);
    }
    return fields;
}

} // namespace

const QStringList &hub3aColumnNames()
{
    return columnNames;
}

QString hub3aColumn(Hub3aField field)
{
    return columnNames[static_cast<qsizetype>(field)];
}

QByteArray hub3aTableCsv(const QList<NumberedSlip> &slips)
{
    QList<QStringList> rows{columnNames};
    for (const NumberedSlip &slip : slips) {
        QStringList fields;
        for (qsizetype column = 0; column < columnNames.size(); ++column)
            fields.append(slip.record[static_cast<Hub3aField>(column)]);
        rows.append(fields);
    }
    return CsvTable::toBytes(rows);
}

void addHub3aRow(Hub3aTable &table, int row, const Hub3aRecord &base, const QList<Hub3aCellText> &cells,
                 QList<RowProblem> problems, const QString &rowName)
{
    Hub3aRecord record = base;
    for (const auto &[field, text] : cells) {
        const Hub3aCell cell = readHub3aCell(field, text);
        if (!cell.problem.isEmpty())
            problems.append({row, hub3aColumn(field), cell.problem, rowName});
        else
            record.texts[static_cast<size_t>(field)] = cell.text;
    }
    if (problems.isEmpty()) {
        for (const Hub3aProblem &problem : hub3aSlipProblems(record))
            problems.append({row, hub3aColumn(problem.field), problem.message, rowName});
    }
    if (problems.isEmpty())
        table.slips.append({row, record});
    else
        table.problems += problems;
}

Hub3aTable readHub3aTable(const QByteArray &bytes, const Hub3aRecord &base)
{
    const CsvTable csv = CsvTable::parse(bytes);
    const QList<F> fields = fieldsOf(csv.header);
    Hub3aTable table;
    table.rowCount = static_cast<int>(csv.rows.size());
    for (const Hub3aProblem &missing : hub3aMissingFields(base)) {
        if (!fields.contains(missing.field))
            table.baseMissing.append(missing);
    }
    if (!table.baseMissing.isEmpty())
        return table;
    for (const CsvTable::Row &row : csv.rows) {
        if (row.fields.size() != fields.size()) {
            table.problems.append({row.number, QString(),
                                   QStringLiteral("Redak ima %1 polja, a zaglavlje %2 stupaca")
                                       .arg(row.fields.size())
                                       .arg(fields.size())});
            continue;
        }
        QList<Hub3aCellText> cells;
        for (qsizetype i = 0; i < fields.size(); ++i)
            cells.append({fields[i], row.fields[i]});
        addHub3aRow(table, row.number, base, cells);
    }
    // A table saved in another encoding than it was read in shows other letters, so a refusal of
    // characters says which encoding that was.
    for (RowProblem &problem : table.problems) {
        if (problem.message.startsWith(hub3aRefusedCharactersLead()))
            problem.message += QStringLiteral(" (tablica je pročitana kao %1)").arg(csv.encoding);
    }
    return table;
}
