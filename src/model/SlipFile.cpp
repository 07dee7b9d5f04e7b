#include "model/SlipFile.h"

#include "model/TextFile.h"
#include "model/UserError.h"
#include "model/Win1250.h"

#include <QFile>

namespace {

constexpr int fileLineCount = 1 + slipFieldCount;
constexpr int hub3aFileLineCount = 1 + hub3aFieldCount;
// A record whose lines do not end within this many bytes is not one the program saved: its fields
// would hold more text than the window can show without freezing.
constexpr qsizetype maxRecordBytes = 4 << 20;

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

// A file's bytes up to its first lineCount lines, or nothing when reading fails or the lines do not
// end within maxRecordBytes. Reads only as far as the lines reach, so a huge file costs no more than
// its first lines.
std::optional<QByteArray> leadingBytes(QIODevice &device, int lineCount)
{
    QByteArray bytes;
    QByteArray chunk(1 << 16, Qt::Uninitialized);
    qsizetype lineEnds = 0;
    for (;;) {
        const qint64 count = device.read(chunk.data(), chunk.size());
        // A read error would pass for a short file and empty the rest of the fields.
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        const QByteArrayView part(chunk.constData(), count);
        bytes += part;
        lineEnds += part.count('\n');
        if (lineEnds >= lineCount || part.contains('\x1A'))
            break;
        if (bytes.size() > maxRecordBytes)
            return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> leadingBytes(const QString &path, int lineCount)
{
    TextFile::checkReadable(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(QStringLiteral("Nije dopušten pristup datoteci %1").arg(path));
    return leadingBytes(file, lineCount);
}

QString hub3aTag()
{
    return QStringLiteral("HUB3A");
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
    const std::optional<QByteArray> bytes = leadingBytes(device, fileLineCount);
    return bytes ? fromBytes(*bytes) : std::nullopt;
}

std::optional<SlipRecord> load(const QString &path)
{
    const std::optional<QByteArray> bytes = leadingBytes(path, fileLineCount);
    return bytes ? fromBytes(*bytes) : std::nullopt;
}

QByteArray toBytes(const Hub3aRecord &record)
{
    QByteArray bytes = "TIP=" + Win1250::encode(hub3aTag()) + "\r\n";
    for (const QString &text : record.texts)
        bytes += Win1250::encode(text) + "\r\n";
    return bytes;
}

void save(const QString &path, const Hub3aRecord &record)
{
    TextFile::writeAtomically(path, toBytes(record));
}

std::optional<Hub3aRecord> hub3aFromBytes(const QByteArray &bytes)
{
    const QList<QByteArray> lines = leadingLines(bytes, hub3aFileLineCount);
    if (upperAscii(lines[0]).trimmed() != "TIP=" + hub3aTag().toLatin1())
        return std::nullopt;
    // Each field as the file has it: one that breaks the field's rules is for the reader to report
    // (hub3aFieldProblems), never to change without a word.
    Hub3aRecord record;
    for (int i = 0; i < hub3aFieldCount; ++i)
        record.set(static_cast<Hub3aField>(i), Win1250::decode(lines[i + 1]));
    return record;
}

std::optional<Hub3aRecord> loadHub3a(const QString &path)
{
    const std::optional<QByteArray> bytes = leadingBytes(path, hub3aFileLineCount);
    return bytes ? hub3aFromBytes(*bytes) : std::nullopt;
}

QString loadErrorText()
{
    return QStringLiteral("Pogreška pri učitavanju zapisa!");
}

} // namespace SlipFile
