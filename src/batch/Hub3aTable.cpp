#include "batch/Hub3aTable.h"

#include "model/CsvTable.h"
#include "model/Hub3aRules.h"
#include "payments/Hub3aChecks.h"

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
    if (const std::optional<Hub3aProblem> problem = hub3aFieldRuleProblem(field, text))
        return {{},
                field == F::Urgent ? QStringLiteral("Hitno je 1, 0 ili prazno") : problem->message,
                problem->rule};
    return {text, {}};
}

const QStringList &hub3aColumnNames()
{
    return columnNames;
}

QString hub3aColumn(Hub3aField field)
{
    return columnNames[static_cast<qsizetype>(field)];
}

QList<NumberedSlip> numberedSlips(const QList<Hub3aRecord> &records)
{
    QList<NumberedSlip> slips;
    slips.reserve(records.size());
    for (const Hub3aRecord &record : records)
        slips.append({static_cast<int>(slips.size()) + 1, record});
    return slips;
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

Hub3aRowCheck checkHub3aRow(int row, const Hub3aRecord &base, const QList<Hub3aCellText> &cells,
                            QList<RowProblem> problems, const QString &rowName, const QString &charactersNote)
{
    Hub3aRowCheck check{{row, base}, std::move(problems)};
    for (const auto &[field, text] : cells) {
        const Hub3aCell cell = readHub3aCell(field, text);
        if (cell.problem.isEmpty())
            check.slip.record.set(field, cell.text);
        else if (cell.rule == Hub3aRule::Characters)
            check.problems.append({row, hub3aColumn(field), cell.problem + charactersNote, rowName});
        else
            check.problems.append({row, hub3aColumn(field), cell.problem, rowName});
    }
    if (check.problems.isEmpty()) {
        // A row may pay an account abroad as an order of a bank file; printing refuses it.
        for (const Hub3aProblem &problem : hub3aSlipProblems(check.slip.record, Hub3aUse::BankOrder))
            check.problems.append({row, hub3aColumn(problem.field), problem.message, rowName});
    }
    return check;
}

void addHub3aRow(Hub3aTable &table, int row, const Hub3aRecord &base, const QList<Hub3aCellText> &cells,
                 QList<RowProblem> problems, const QString &rowName)
{
    Hub3aRowCheck check = checkHub3aRow(row, base, cells, std::move(problems), rowName);
    if (check.problems.isEmpty())
        table.slips.append(std::move(check.slip));
    else
        table.problems += check.problems;
}
