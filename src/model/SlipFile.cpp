#include "SlipFile.h"

#include "TextFile.h"
#include "UserError.h"
#include "Win1250.h"

#include <QFile>

namespace {

constexpr int fileLineCount = 1 + slipFieldCount;

// Splits the file's first lines: LF or CR LF ends a line, a lone CR is dropped, 1A ends the file.
QList<QByteArray> leadingLines(const QByteArray &bytes, int count)
{
    QList<QByteArray> lines;
    QByteArray current;
    bool open = false;
    for (qsizetype i = 0; i < bytes.size() && lines.size() < count; ++i) {
        const char c = bytes[i];
        if (c == '\x1A')
            break;
        open = true;
        if (c == '\n') {
            lines.append(current);
            current.clear();
            open = false;
        } else if (c != '\r') {
            current.append(c);
        }
    }
    if (open && lines.size() < count)
        lines.append(current);
    while (lines.size() < count)
        lines.append(QByteArray());
    return lines;
}

QByteArray upperAscii(QByteArray line)
{
    for (char &c : line) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return line;
}

} // namespace

namespace SlipFile {

QByteArray toBytes(const SlipRecord &record)
{
    QByteArray bytes = "TIP=" + Win1250::encode(slipFileTag(record.kind)) + "\r\n";
    for (const QString &text : record.texts)
        bytes += Win1250::encode(memoToOneLine(text)) + "\r\n";
    return bytes;
}

void save(const QString &path, const SlipRecord &record)
{
    TextFile::writeAtomically(path, toBytes(record));
}

std::optional<SlipRecord> fromBytes(const QByteArray &bytes)
{
    const QList<QByteArray> lines = leadingLines(bytes, fileLineCount);
    const QByteArray tag = upperAscii(lines[0]);
    SlipRecord record;
    if (tag.contains("UPLATNICA"))
        record.kind = SlipKind::Uplatnica;
    else if (tag.contains("ZORVAT"))
        record.kind = SlipKind::Zorvat;
    else
        return std::nullopt;
    const SlipFieldTable &table = slipFields(record.kind);
    for (size_t i = 0; i < table.size(); ++i) {
        const QString text = Win1250::decode(lines[static_cast<qsizetype>(i) + 1]);
        record.texts[i] = table[i].kind == FieldKind::Memo ? memoFromOneLine(text) : text;
    }
    return record;
}

std::optional<SlipRecord> fromDevice(QIODevice &device)
{
    // Read only as far as the 15 lines reach, so a huge file costs no more than its first lines.
    QByteArray bytes;
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    for (;;) {
        const qint64 count = device.read(chunk.data(), chunk.size());
        // A read error would pass for a short file and empty the rest of the fields.
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        const QByteArrayView part(chunk.constData(), count);
        bytes += part;
        if (bytes.count('\n') >= fileLineCount || part.contains('\x1A'))
            break;
    }
    return fromBytes(bytes);
}

std::optional<SlipRecord> load(const QString &path)
{
    TextFile::checkReadable(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("File access denied"));
    return fromDevice(file);
}

QString loadErrorText()
{
    return QStringLiteral("Pogreška pri učitavanju zapisa!");
}

} // namespace SlipFile
