#include "model/CsvTable.h"

#include "model/UserError.h"
#include "model/Win1250.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

// UTF-8 when the bytes start with its byte order mark or are UTF-8 throughout, else Windows-1250.
// Only the first byte order mark is dropped: a second one is a character of the header.
QString decodeText(const QByteArray &bytes)
{
    static const QByteArray byteOrderMark("\xEF\xBB\xBF");
    const bool marked = bytes.startsWith(byteOrderMark);
    const QByteArray body = marked ? bytes.mid(byteOrderMark.size()) : bytes;
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(body);
    if (marked || !utf8.hasError())
        return text;
    return Win1250::decode(bytes);
}

// The separator of the header row: the first ';' or ',' outside a quoted field, ';' when there is
// none. As in the rows, only a quote that opens a field starts a quoted field.
QChar separatorOf(const QString &text)
{
    qsizetype at = 0;
    if (text.startsWith(u'"')) {
        at = 1;
        while (true) {
            at = text.indexOf(u'"', at);
            if (at < 0)
                return u';'; // the quote is never closed, which reading the header reports
            at += 1;
            if (at >= text.size() || text[at] != u'"')
                break;
            at += 1; // a doubled quote inside the field
        }
    }
    for (; at < text.size(); ++at) {
        const QChar ch = text[at];
        if (ch == u';' || ch == u',')
            return ch;
        if (ch == u'\n' || ch == u'\r')
            break;
    }
    return u';';
}

// A row of nothing but separators and spaces, as spreadsheets save the empty rows below a table.
bool isBlank(const QStringList &fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const QString &field) { return field.trimmed().isEmpty(); });
}

// Splits text into records of fields. Record 0 is the header.
class Reader
{
public:
    Reader(const QString &text, QChar separator) : m_text(text), m_separator(separator) {}

    // The next record, or false at the end of the text.
    bool next(QStringList &fields)
    {
        if (m_at >= m_text.size())
            return false;
        fields.clear();
        while (true) {
            fields.append(field());
            if (m_at >= m_text.size())
                break;
            const QChar ch = m_text[m_at++];
            if (ch == m_separator)
                continue;
            // A line break ends the record: CR LF, LF or CR.
            if (ch == u'\r' && m_at < m_text.size() && m_text[m_at] == u'\n')
                ++m_at;
            break;
        }
        ++m_record;
        return true;
    }

private:
    QString field()
    {
        if (m_at < m_text.size() && m_text[m_at] == u'"')
            return quotedField();
        const qsizetype start = m_at;
        while (m_at < m_text.size() && !endsField(m_text[m_at]))
            ++m_at;
        return m_text.mid(start, m_at - start);
    }

    QString quotedField()
    {
        ++m_at;
        QString value;
        while (true) {
            const qsizetype quote = m_text.indexOf(u'"', m_at);
            if (quote < 0)
                throw UserError(where() + QStringLiteral(": navodnici nisu zatvoreni"));
            value += QStringView(m_text).mid(m_at, quote - m_at);
            m_at = quote + 1;
            if (m_at < m_text.size() && m_text[m_at] == u'"') {
                value += u'"';
                ++m_at;
                continue;
            }
            break;
        }
        if (m_at < m_text.size() && !endsField(m_text[m_at]))
            throw UserError(where() + QStringLiteral(": tekst iza zatvorenih navodnika"));
        return value;
    }

    QString where() const
    {
        return m_record == 0 ? QStringLiteral("Zaglavlje") : QStringLiteral("Redak %1").arg(m_record);
    }

    bool endsField(QChar ch) const { return ch == m_separator || ch == u'\n' || ch == u'\r'; }

    const QString &m_text;
    const QChar m_separator;
    qsizetype m_at = 0;
    int m_record = 0; // 0 is the header
};

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
    const QString text = decodeText(bytes);
    CsvTable table;
    table.separator = separatorOf(text);
    Reader reader(text, table.separator);
    QStringList fields;
    if (!reader.next(fields) || isBlank(fields))
        throw UserError(QStringLiteral("Tablica nema redak s nazivima stupaca"));
    table.header = fields;
    for (int number = 1; reader.next(fields); ++number) {
        if (!isBlank(fields))
            table.rows.append(Row{number, fields});
    }
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
