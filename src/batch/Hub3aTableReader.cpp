#include "batch/Hub3aTableReader.h"

#include "batch/BatchBase.h"
#include "model/Hub3aRules.h"
#include "model/TextExcerpt.h"
#include "model/UserError.h"

#include <QBuffer>

namespace {

using F = Hub3aField;

// For each column of the header, its field; throws for a name that is no column or comes twice.
QList<F> fieldsOf(const QStringList &header)
{
    const QStringList &names = hub3aColumnNames();
    QList<F> fields;
    for (qsizetype column = 0; column < header.size(); ++column) {
        const QString name = header[column].trimmed();
        const qsizetype index = names.indexOf(name);
        const QString where = QStringLiteral(" (%1. stupac zaglavlja)").arg(column + 1);
        if (index < 0)
            throw UserError(QStringLiteral("Nepoznat stupac: %1").arg(textExcerpt(name)) + where);
        const F field = static_cast<F>(index);
        if (fields.contains(field))
            throw UserError(QStringLiteral("Stupac %1 je naveden dvaput").arg(name) + where);
        fields.append(field);
    }
    return fields;
}

} // namespace

Hub3aTableReader::Hub3aTableReader(QIODevice &device, const Hub3aRecord &base, const QDate &today)
    : m_rows(device), m_fields(fieldsOf(m_rows.header())), m_base(baseForColumns(base, m_fields)),
      m_today(today)
{
    for (const Hub3aProblem &missing : hub3aMissingFields(m_base)) {
        if (!m_fields.contains(missing.field))
            m_baseMissing.append(missing);
    }
}

QList<Hub3aField> Hub3aTableReader::fromBase() const
{
    return fieldsFromBase(m_base, m_fields);
}

std::optional<Hub3aRowCheck> Hub3aTableReader::next()
{
    if (!m_baseMissing.isEmpty())
        return std::nullopt;
    const std::optional<CsvRowReader::Row> row = m_rows.next();
    if (!row)
        return std::nullopt;
    ++m_rowCount;
    if (row->fields.size() != m_fields.size()) {
        return Hub3aRowCheck{{row->number, {}},
                             {{row->number, QString(),
                               QStringLiteral("Redak ima %1 polja, a zaglavlje %2 stupaca")
                                   .arg(row->fields.size())
                                   .arg(m_fields.size())}}};
    }
    QList<Hub3aCellText> cells;
    cells.reserve(m_fields.size());
    for (qsizetype i = 0; i < m_fields.size(); ++i)
        cells.append({m_fields[i], row->fields[i]});
    // A table saved in another encoding than it was read in shows other letters, so a refusal of
    // characters says which encoding that was.
    Hub3aRowCheck check =
        checkHub3aRow(row->number, m_base, cells, {}, {},
                      QStringLiteral(" (tablica je pročitana kao %1)").arg(m_rows.encoding().name()));
    if (check.problems.isEmpty()) {
        const QString past = pastExecutionDateProblem(check.slip.record[F::ExecutionDate], m_today);
        if (!past.isEmpty())
            check.problems.append({row->number, hub3aColumn(F::ExecutionDate), past});
    }
    return check;
}

Hub3aTable readHub3aTable(const QByteArray &bytes, const Hub3aRecord &base)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    Hub3aTableReader reader(buffer, base);
    Hub3aTable table;
    table.baseMissing = reader.baseMissing();
    while (std::optional<Hub3aRowCheck> row = reader.next()) {
        if (row->problems.isEmpty())
            table.slips.append(std::move(row->slip));
        else
            table.problems += row->problems;
    }
    table.rowCount = reader.rowCount();
    return table;
}
