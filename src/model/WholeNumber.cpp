#include "model/WholeNumber.h"

#include "model/UserError.h"

namespace {

[[noreturn]] void notAnInteger(const QString &text)
{
    throw UserError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

int hexDigit(QChar ch)
{
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

} // namespace

qint32 StrToInt(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;

    bool hex = false;
    if (i < n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }

    if (hex) {
        // Up to eight hex digits; the 32-bit pattern is taken as a signed value.
        if (i == n)
            notAnInteger(text);
        quint64 value = 0;
        for (; i < n; ++i) {
            const int d = hexDigit(text[i]);
            if (d < 0)
                notAnInteger(text);
            value = value * 16 + static_cast<quint64>(d);
            if (value > 0xFFFFFFFFull)
                notAnInteger(text);
        }
        return static_cast<qint32>(static_cast<quint32>(value));
    }

    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == n)
        notAnInteger(text);
    const qint64 limit = negative ? 2147483648LL : 2147483647LL;
    qint64 value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            notAnInteger(text);
        value = value * 10 + (c - u'0');
        if (value > limit)
            notAnInteger(text);
    }
    return static_cast<qint32>(negative ? -value : value);
}
