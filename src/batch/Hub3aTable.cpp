#include "batch/Hub3aTable.h"

#include "model/CsvTable.h"
#include "model/UserError.h"
#include "payments/Hub3aChecks.h"

#include <QDate>

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

// The column that holds what a payment check looked at.
QString checkedColumn(const QString &checkName)
{
    if (checkName == u"payerAccount")
        return hub3aColumn(F::PayerIban);
    if (checkName == u"payerReference")
        return hub3aColumn(F::PayerReference);
    if (checkName == u"recipientAccount")
        return hub3aColumn(F::RecipientIban);
    return hub3aColumn(F::RecipientReference);
}

// The characters of text that field does not take, each once.
QString refusedCharacters(F field, const QString &text)
{
    QString refused;
    for (QChar ch : text) {
        if (cleanHub3aText(field, QString(ch)).isEmpty() && !refused.contains(ch))
            refused += ch;
    }
    return refused;
}

} // namespace

Hub3aCell readHub3aCell(F field, const QString &cell)
{
    const QString text = cell.trimmed();
    switch (field) {
    case F::Amount:
        if (!hub3aAmountCents(text))
            return {{}, QStringLiteral("Iznos nije iznos u eurima u obliku 1.234,56")};
        return {text, {}};
    case F::ExecutionDate:
        if (!text.isEmpty() &&
            (text.size() != 8 || !QDate::fromString(text, QStringLiteral("ddMMyyyy")).isValid()))
            return {{}, QStringLiteral("Datum izvršenja nije datum u obliku DDMMGGGG")};
        return {text, {}};
    case F::Urgent:
        if (text == u"1")
            return {text, {}};
        if (text.isEmpty() || text == u"0")
            return {QString(), {}};
        return {{}, QStringLiteral("Hitno je 1, 0 ili prazno")};
    default:
        break;
    }
    const int maxLength = hub3aField(field).maxLength;
    if (text.size() > maxLength)
        return {{}, QStringLiteral("Dulje od %1 znakova").arg(maxLength)};
    if (text.contains(u'\n') || text.contains(u'\r'))
        return {{}, QStringLiteral("Polje ima više redaka")};
    const QString refused = refusedCharacters(field, text);
    if (!refused.isEmpty())
        return {{}, QStringLiteral("Nedopušteni znakovi: %1").arg(refused)};
    return {cleanHub3aText(field, text), {}};
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

QList<RowProblem> checkSlip(int row, const Hub3aRecord &record)
{
    QList<RowProblem> problems;
    if (!hub3aAmountCents(record[F::Amount]))
        problems.append(
            {row, hub3aColumn(F::Amount), QStringLiteral("Iznos nije iznos u eurima u obliku 1.234,56")});
    for (const CheckedField &checked : checkHub3aRecord(record)) {
        if (checked.result.failed())
            problems.append({row, checkedColumn(checked.name), checked.result.message});
    }
    return problems;
}

Hub3aTable readHub3aTable(const QByteArray &bytes, const Hub3aRecord &base)
{
    const CsvTable csv = CsvTable::parse(bytes);
    const QList<F> fields = fieldsOf(csv.header);
    Hub3aTable table;
    table.rowCount = static_cast<int>(csv.rows.size());
    for (const CsvTable::Row &row : csv.rows) {
        if (row.fields.size() != fields.size()) {
            table.problems.append({row.number, QString(),
                                   QStringLiteral("Redak ima %1 polja, a zaglavlje %2 stupaca")
                                       .arg(row.fields.size())
                                       .arg(fields.size())});
            continue;
        }
        Hub3aRecord record = base;
        QList<RowProblem> problems;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            const Hub3aCell cell = readHub3aCell(fields[i], row.fields[i]);
            if (!cell.problem.isEmpty())
                problems.append({row.number, hub3aColumn(fields[i]), cell.problem});
            else
                record.texts[static_cast<size_t>(fields[i])] = cell.text;
        }
        if (problems.isEmpty())
            problems = checkSlip(row.number, record);
        if (problems.isEmpty())
            table.slips.append({row.number, record});
        else
            table.problems += problems;
    }
    return table;
}
