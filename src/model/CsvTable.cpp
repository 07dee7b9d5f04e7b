#include "model/CsvTable.h"

#include "model/UserError.h"
#include "model/Win1250.h"

#include <QStringDecoder>

#include <algorithm>
#include <utility>

namespace {

// The length of the valid UTF-8 sequence at bytes[at] of more than one byte, or 0.
int utf8SequenceAt(const QByteArray &bytes, qsizetype at, char32_t &codePoint)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    const int length = lead >= 0xC2 && lead <= 0xDF   ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
    if (length == 0 || at + length > bytes.size())
        return 0;
    codePoint = lead & (0xFF >> (length + 1));
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < least[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

// Where the first byte that UTF-8 does not take lies (counted from 0), or -1 when there is none;
// and whether some bytes form a UTF-8 letter beyond ASCII, which a Windows-1250 text hardly does.
struct Utf8Evidence
{
    qsizetype firstBadByte = -1;
    bool hasLetterBeyondAscii = false;
};

Utf8Evidence utf8Evidence(const QByteArray &bytes)
{
    Utf8Evidence evidence;
    for (qsizetype at = 0; at < bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        char32_t codePoint = 0;
        const int length = utf8SequenceAt(bytes, at, codePoint);
        if (length == 0) {
            if (evidence.firstBadByte < 0)
                evidence.firstBadByte = at;
            ++at;
            continue;
        }
        if (QChar::isLetter(codePoint))
            evidence.hasLetterBeyondAscii = true;
        at += length;
    }
    return evidence;
}

// The bytes Windows-1250 leaves without a character.
bool undefinedInWindows1250(unsigned char byte)
{
    return byte == 0x81 || byte == 0x83 || byte == 0x88 || byte == 0x90 || byte == 0x98;
}

[[noreturn]] void refuseEncoding(const QByteArray &bytes, qsizetype at, const QString &what)
{
    const qsizetype lineStart = bytes.lastIndexOf('\n', at) + 1;
    const int line = static_cast<int>(bytes.left(lineStart).count('\n')) + 1;
    throw UserError(QStringLiteral("Tablica nije %1: bajt 0x%2 u %3. retku datoteke, %4. bajt u retku")
                        .arg(what)
                        .arg(static_cast<unsigned char>(bytes[at]), 2, 16, QLatin1Char('0'))
                        .arg(line)
                        .arg(at - lineStart + 1));
}

// UTF-8 when the bytes start with its byte order mark or are UTF-8 throughout; Windows-1250 when no
// bytes form a UTF-8 letter beyond ASCII and every byte is a Windows-1250 character. Anything else
// (a UTF-8 file with a stray byte) is refused, naming the first byte that does not fit, so that a
// mixed file is never read into other letters. Only the first byte order mark is dropped: a second
// one is a character of the header.
std::pair<QString, QString> decodeText(const QByteArray &bytes)
{
    static const QByteArray byteOrderMark("\xEF\xBB\xBF");
    const bool marked = bytes.startsWith(byteOrderMark);
    const QByteArray body = marked ? bytes.mid(byteOrderMark.size()) : bytes;
    const Utf8Evidence evidence = utf8Evidence(body);
    if (evidence.firstBadByte < 0) {
        QStringDecoder utf8(QStringDecoder::Utf8,
                            QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        return {utf8.decode(body), QStringLiteral("UTF-8")};
    }
    if (marked || evidence.hasLetterBeyondAscii)
        refuseEncoding(bytes, evidence.firstBadByte + (marked ? byteOrderMark.size() : 0),
                       QStringLiteral("ispravan UTF-8"));
    for (qsizetype at = 0; at < bytes.size(); ++at) {
        if (undefinedInWindows1250(static_cast<unsigned char>(bytes[at])))
            refuseEncoding(bytes, at, QStringLiteral("ni UTF-8 ni Windows-1250"));
    }
    return {Win1250::decode(bytes), QStringLiteral("Windows-1250")};
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
    const auto [text, encoding] = decodeText(bytes);
    CsvTable table;
    table.encoding = encoding;
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
