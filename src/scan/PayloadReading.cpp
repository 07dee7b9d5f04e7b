#include "scan/PayloadReading.h"

#include <QStringDecoder>

#include <algorithm>

std::optional<QString> strictUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QStringList payloadLines(const QString &text)
{
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        lines.removeLast();
    return lines;
}

namespace {

// The character sets of the ECI numbers that senders of payment barcodes use; 0 for UTF-8.
const char *eciCharset(int eci)
{
    switch (eci) {
    case 1:
    case 3:
        return "ISO-8859-1";
    case 4:
        return "ISO-8859-2";
    case 21:
        return "windows-1250";
    case 23:
        return "windows-1252";
    case 26:
        return "UTF-8";
    case 27:
    case 170:
        return "US-ASCII";
    default:
        return nullptr;
    }
}

// The bytes of one stretch in UTF-8, or nothing when they are not text of the character set.
std::optional<QByteArray> stretchUtf8(const QByteArray &bytes, int eci)
{
    if (eci < 0) // before any marker: as the bytes are, which a payload's reader checks itself
        return bytes;
    QStringDecoder decoder(eciCharset(eci), QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        return std::nullopt;
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text.toUtf8();
}

} // namespace

std::optional<QByteArray> eciProtocolUtf8(const QByteArray &content)
{
    qsizetype at = content.startsWith(']') ? 3 : 0;
    QByteArray utf8, stretch;
    int eci = -1;
    const auto flush = [&]() {
        const std::optional<QByteArray> text = stretchUtf8(stretch, eci);
        stretch.clear();
        if (text)
            utf8 += *text;
        return text.has_value();
    };
    while (at < content.size()) {
        const char byte = content[at];
        if (byte != '\\') {
            stretch += byte;
            ++at;
        } else if (at + 1 < content.size() && content[at + 1] == '\\') {
            stretch += '\\';
            at += 2;
        } else {
            const QByteArray digits = content.mid(at + 1, 6);
            const bool number = digits.size() == 6 && std::all_of(digits.begin(), digits.end(), [](char c) {
                              return c >= '0' && c <= '9';
                          });
            if (!number || !flush() || !eciCharset(digits.toInt()))
                return std::nullopt;
            eci = digits.toInt();
            at += 7;
        }
    }
    if (!flush())
        return std::nullopt;
    return utf8;
}
