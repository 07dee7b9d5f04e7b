#include "model/CsvRowReader.h"

#include "model/UserError.h"
#include "model/Win1250.h"

#include <algorithm>

namespace {

constexpr qsizetype chunkBytes = 1 << 16;

// The separator of the header row at the start of text: the first ';' or ',' outside a quoted field,
// ';' when there is none; nothing when text ends before that is told. As in the rows, only a quote
// that opens a field starts a quoted field.
std::optional<QChar> separatorOf(const QString &text, bool complete)
{
    qsizetype at = 0;
    if (text.startsWith(u'"')) {
        at = 1;
        while (true) {
            at = text.indexOf(u'"', at);
            if (at < 0)
                return complete ? std::optional<QChar>(u';') : std::nullopt; // reading reports it
            at += 1;
            if (at >= text.size() && !complete)
                return std::nullopt;
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
            return u';';
    }
    return complete ? std::optional<QChar>(u';') : std::nullopt;
}

bool isBlank(const QStringList &fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const QString &field) { return field.trimmed().isEmpty(); });
}

} // namespace

CsvRowReader::CsvRowReader(QIODevice &device) : m_device(device)
{
    m_encoding = TableEncoding::of(device);
    if (!m_device.seek(0) || (m_encoding.byteOrderMark && m_device.read(3).size() != 3))
        throw UserError(QStringLiteral("Stream read error"));
    std::optional<QChar> separator;
    while (!(separator = separatorOf(m_text, m_eof)))
        readMore(m_text.size());
    m_separator = *separator;
    if (!nextRecord(m_header) || isBlank(m_header))
        throw UserError(QStringLiteral("Tablica nema redak s nazivima stupaca"));
}

// Appends at least atLeast bytes' text (so that a long record is read in growing steps, each
// record's text scanned a bounded number of times), or false at the end of the device.
bool CsvRowReader::readMore(qsizetype atLeast)
{
    if (m_eof)
        return false;
    QByteArray chunk(std::max(chunkBytes, atLeast), Qt::Uninitialized);
    const qint64 count = m_device.read(chunk.data(), chunk.size());
    if (count < 0)
        throw UserError(QStringLiteral("Stream read error"));
    chunk.truncate(count);
    if (count == 0)
        m_eof = true;
    m_text += m_encoding.utf8 ? m_utf8.decode(chunk) : Win1250::decode(chunk);
    return true;
}

bool CsvRowReader::nextRecord(QStringList &fields)
{
    while (true) {
        const qsizetype start = m_at;
        const Outcome outcome = record(fields);
        if (outcome != Outcome::NeedMore)
            return outcome == Outcome::Record;
        // Keep only the unread text, then read at least as much again and read the record anew.
        m_text.remove(0, start);
        m_at = 0;
        readMore(m_text.size());
    }
}

CsvRowReader::Outcome CsvRowReader::record(QStringList &fields)
{
    if (m_at >= m_text.size())
        return m_eof ? Outcome::End : Outcome::NeedMore;
    fields.clear();
    while (true) {
        const std::optional<QString> value = field();
        if (!value)
            return Outcome::NeedMore;
        fields.append(*value);
        if (m_at >= m_text.size()) {
            if (!m_eof)
                return Outcome::NeedMore;
            break;
        }
        const QChar ch = m_text[m_at++];
        if (ch == m_separator)
            continue;
        // A line break ends the record: CR LF, LF or CR.
        if (ch == u'\r') {
            if (m_at >= m_text.size() && !m_eof)
                return Outcome::NeedMore;
            if (m_at < m_text.size() && m_text[m_at] == u'\n')
                ++m_at;
        }
        break;
    }
    ++m_record;
    return Outcome::Record;
}

std::optional<QString> CsvRowReader::field()
{
    if (m_at < m_text.size() && m_text[m_at] == u'"')
        return quotedField();
    const qsizetype start = m_at;
    while (m_at < m_text.size() && !endsField(m_text[m_at]))
        ++m_at;
    if (m_at >= m_text.size() && !m_eof)
        return std::nullopt;
    return m_text.mid(start, m_at - start);
}

std::optional<QString> CsvRowReader::quotedField()
{
    ++m_at;
    QString value;
    while (true) {
        const qsizetype quote = m_text.indexOf(u'"', m_at);
        if (quote < 0) {
            if (!m_eof)
                return std::nullopt;
            throw UserError(where() + QStringLiteral(": navodnici nisu zatvoreni"));
        }
        value += QStringView(m_text).mid(m_at, quote - m_at);
        m_at = quote + 1;
        if (m_at >= m_text.size() && !m_eof)
            return std::nullopt;
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

QString CsvRowReader::where() const
{
    return m_record == 0 ? QStringLiteral("Zaglavlje") : QStringLiteral("Redak %1").arg(m_record);
}

std::optional<CsvRowReader::Row> CsvRowReader::next()
{
    Row row;
    while (nextRecord(row.fields)) {
        row.number = m_record - 1; // the header is record 1
        if (!isBlank(row.fields))
            return row;
    }
    return std::nullopt;
}
