#include "model/CsvTable.h"

#include "model/CsvRowReader.h"

#include <QBuffer>

namespace {

// A field quoted when it holds either separator (so that a header reads with the separator it
// was written with), a quote or a line break.
QString quoted(const QString &field)
{
    if (!field.contains(u';') && !field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r'))
        return field;
    QString value = field;
    return u'"' + value.replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

CsvTable CsvTable::parse(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CsvRowReader reader(buffer);
    CsvTable table;
    table.encoding = reader.encoding().name();
    table.separator = reader.separator();
    table.header = reader.header();
    while (std::optional<CsvRowReader::Row> row = reader.next())
        table.rows.append({row->number, std::move(row->fields)});
    return table;
}

QByteArray CsvTable::toBytes(const QList<QStringList> &rows, QChar separator)
{
    QString text;
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &field : row)
            fields.append(quoted(field));
        text += fields.join(separator) + QStringLiteral("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}
