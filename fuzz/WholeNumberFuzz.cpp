#include "FuzzCheck.h"
#include "model/UserError.h"
#include "model/WholeNumber.h"

#include <cstdint>

namespace {

// An independent reading of the same rules, on 64-bit arithmetic with the digit count bounded.
std::optional<qint32> reference(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    const QString rest = text.mid(i);
    QString digits;
    int base = 10;
    bool negative = false;
    if (rest.startsWith(u'$') || rest.startsWith(u'x') || rest.startsWith(u'X')) {
        base = 16;
        digits = rest.mid(1);
    } else if (rest.startsWith(QLatin1StringView("0x")) || rest.startsWith(QLatin1StringView("0X"))) {
        base = 16;
        digits = rest.mid(2);
    } else {
        negative = rest.startsWith(u'-');
        digits = rest.startsWith(u'-') || rest.startsWith(u'+') ? rest.mid(1) : rest;
    }
    if (digits.isEmpty())
        return std::nullopt;
    // Leading zeros do not count towards the size.
    qsizetype first = 0;
    while (first + 1 < digits.size() && digits[first] == u'0')
        ++first;
    if (digits.size() - first > 12)
        return std::nullopt;
    for (const QChar ch : digits) {
        const bool digit = ch >= u'0' && ch <= u'9';
        const bool hexLetter = (ch >= u'a' && ch <= u'f') || (ch >= u'A' && ch <= u'F');
        if (!digit && !(base == 16 && hexLetter))
            return std::nullopt;
    }
    bool ok = false;
    const qint64 value = digits.mid(first).toLongLong(&ok, base);
    if (!ok)
        return std::nullopt;
    if (base == 16)
        return value <= 0xFFFFFFFFLL ? std::optional<qint32>(static_cast<qint32>(static_cast<quint32>(value)))
                                     : std::nullopt;
    const qint64 signedValue = negative ? -value : value;
    if (signedValue < INT32_MIN || signedValue > INT32_MAX)
        return std::nullopt;
    return static_cast<qint32>(signedValue);
}

} // namespace

// A whole number typed into an offset or calibration edit: either a value or the conversion
// error naming the text, never anything else.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = fuzzUtf16(data, size);
    std::optional<qint32> converted;
    try {
        converted = StrToInt(text);
    } catch (const UserError &error) {
        fuzzCheck(error.text() == QStringLiteral("'%1' is not a valid integer value").arg(text),
                  "the error names the text");
    }
    fuzzCheck(converted == reference(text), "the conversion agrees with the reference reading");
    return 0;
}
