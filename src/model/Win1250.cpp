#include "model/Win1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <bitset>

namespace {

constexpr const char *codecName = "windows-1250";

// The code page as two tables, taken once from Qt's converter: the character of every byte, and
// which characters have a byte. Reading a file and checking typed text then cost a look-up per
// character instead of a converter each time.
struct CodePage
{
    std::array<char16_t, 256> characterOf{};
    std::bitset<0x10000> encodable;

    CodePage()
    {
        QByteArray bytes(256, '\0');
        for (int byte = 0; byte < 256; ++byte)
            bytes[byte] = static_cast<char>(byte);
        const QString characters = QStringDecoder(codecName).decode(bytes);
        for (int byte = 0; byte < 256; ++byte) {
            const QChar ch =
                byte < characters.size() ? characters.at(byte) : QChar(QChar::ReplacementCharacter);
            characterOf[static_cast<size_t>(byte)] = ch.unicode();
            // A byte the code page leaves undefined decodes to a character that has no byte.
            QStringEncoder encoder(codecName, QStringConverter::Flag::Stateless);
            if (encoder.encode(QString(ch)) == bytes.mid(byte, 1) && !encoder.hasError())
                encodable.set(ch.unicode());
        }
    }
};

const CodePage &codePage()
{
    static const CodePage page;
    return page;
}

} // namespace

namespace Win1250 {

QByteArray encode(const QString &text)
{
    QStringEncoder encoder(codecName);
    return encoder.encode(text);
}

QString decode(const QByteArray &bytes)
{
    const CodePage &page = codePage();
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(page.characterOf[static_cast<unsigned char>(byte)]);
    return text;
}

bool canEncode(const QString &text)
{
    const CodePage &page = codePage();
    for (const QChar ch : text) {
        if (!page.encodable.test(ch.unicode()))
            return false;
    }
    return true;
}

bool canEncode(QChar ch)
{
    return codePage().encodable.test(ch.unicode());
}

} // namespace Win1250
