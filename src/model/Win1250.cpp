#include "Win1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char *codecName = "windows-1250";
}

namespace Win1250 {

QByteArray encode(const QString &text)
{
    QStringEncoder encoder(codecName);
    return encoder.encode(text);
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder(codecName);
    return decoder.decode(bytes);
}

bool canEncode(const QString &text)
{
    QStringEncoder encoder(codecName, QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

bool canEncode(QChar ch)
{
    return canEncode(QString(ch));
}

} // namespace Win1250
