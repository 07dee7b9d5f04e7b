#include "model/TableEncoding.h"

#include "model/UserError.h"

#include <QByteArray>

namespace {

constexpr qint64 chunkBytes = 1 << 20;

// The length of the valid UTF-8 sequence of more than one byte at bytes[at], 0 when there is none,
// or -1 when the bytes end before it could be told.
int utf8SequenceAt(const QByteArray &bytes, qsizetype at, char32_t &codePoint)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    const int length = lead >= 0xC2 && lead <= 0xDF   ? 2
                       : lead >= 0xE0 && lead <= 0xEF ? 3
                       : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                      : 0;
    if (length == 0)
        return 0;
    codePoint = lead & (0xFF >> (length + 1));
    for (int i = 1; i < length; ++i) {
        if (at + i >= bytes.size())
            return -1;
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < least[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

// The bytes Windows-1250 leaves without a character.
bool undefinedInWindows1250(unsigned char byte)
{
    return byte == 0x81 || byte == 0x83 || byte == 0x88 || byte == 0x90 || byte == 0x98;
}

// A byte of the file: its row of the table (0 the header, 1 the first row after it, as the rows of
// a table are counted everywhere; a quoted cell may hold line ends) and its place in the row (from 1).
struct BytePlace
{
    int row = -1;
    qint64 column = 0;
    unsigned char byte = 0;
    bool found() const { return row >= 0; }
};

// What one pass over the file learns.
struct Evidence
{
    BytePlace firstNotUtf8;            // the first byte UTF-8 does not take
    BytePlace firstNotWindows1250;     // the first byte Windows-1250 has no character for
    bool hasLetterBeyondAscii = false; // some bytes form a UTF-8 letter beyond ASCII
    bool byteOrderMark = false;
};

Evidence evidenceOf(QIODevice &device)
{
    Evidence evidence;
    int row = 0;
    bool quoted = false; // within a quoted cell, where a line end does not end the row
    qint64 rowStart = 0; // offset of the row's first byte
    qint64 offset = 0;   // offset of bytes[0]
    if (device.peek(3) == "\xEF\xBB\xBF") {
        evidence.byteOrderMark = true;
        device.read(3);
        offset = 3;
        rowStart = 3; // the mark is no byte of the header
    }
    QByteArray bytes;
    bool atEnd = false;
    while (!atEnd) {
        QByteArray chunk(chunkBytes, Qt::Uninitialized);
        const qint64 count = device.read(chunk.data(), chunkBytes);
        if (count < 0)
            throw UserError(QStringLiteral("Stream read error"));
        atEnd = count == 0;
        bytes.append(chunk.constData(), count);
        qsizetype at = 0;
        const auto place = [&](qsizetype i) {
            return BytePlace{row, offset + i - rowStart + 1, static_cast<unsigned char>(bytes[i])};
        };
        while (at < bytes.size()) {
            const auto byte = static_cast<unsigned char>(bytes[at]);
            if (byte == '"')
                quoted = !quoted;
            if (byte == '\n' && !quoted) {
                ++row;
                rowStart = offset + at + 1;
            }
            if (undefinedInWindows1250(byte) && !evidence.firstNotWindows1250.found())
                evidence.firstNotWindows1250 = place(at);
            if (byte < 0x80) {
                ++at;
                continue;
            }
            char32_t codePoint = 0;
            const int length = utf8SequenceAt(bytes, at, codePoint);
            if (length < 0 && !atEnd)
                break; // the sequence goes on in the next chunk
            if (length <= 0) {
                if (!evidence.firstNotUtf8.found())
                    evidence.firstNotUtf8 = place(at);
                ++at;
                continue;
            }
            if (QChar::isLetter(codePoint))
                evidence.hasLetterBeyondAscii = true;
            for (int i = 1; i < length; ++i) {
                if (undefinedInWindows1250(static_cast<unsigned char>(bytes[at + i])) &&
                    !evidence.firstNotWindows1250.found())
                    evidence.firstNotWindows1250 = place(at + i);
            }
            at += length;
        }
        bytes.remove(0, at);
        offset += at;
    }
    return evidence;
}

[[noreturn]] void refuse(const BytePlace &place, const QString &what)
{
    const QString where =
        place.row == 0 ? QStringLiteral("zaglavlju") : QStringLiteral("retku %1").arg(place.row);
    throw UserError(QStringLiteral("Tablica nije %1: bajt 0x%2 u %3, %4. bajt u retku")
                        .arg(what)
                        .arg(place.byte, 2, 16, QLatin1Char('0'))
                        .arg(where)
                        .arg(place.column));
}

} // namespace

// UTF-8 when the bytes start with its byte order mark or are UTF-8 throughout; Windows-1250 when no
// bytes form a UTF-8 letter beyond ASCII and every byte is a Windows-1250 character. Anything else
// (a UTF-8 file with a stray byte) is refused, naming the first byte that does not fit, so that a
// mixed file is never read into other letters.
TableEncoding TableEncoding::of(QIODevice &device)
{
    const Evidence evidence = evidenceOf(device);
    if (!evidence.firstNotUtf8.found())
        return {true, evidence.byteOrderMark};
    if (evidence.byteOrderMark || evidence.hasLetterBeyondAscii)
        refuse(evidence.firstNotUtf8, QStringLiteral("ispravan UTF-8"));
    if (evidence.firstNotWindows1250.found())
        refuse(evidence.firstNotWindows1250, QStringLiteral("ni UTF-8 ni Windows-1250"));
    return {false, false};
}
