#include "payments/CheckDigits.h"

namespace {

int digitAt(QStringView data, qsizetype i)
{
    return data[i].unicode() - u'0';
}

// Sum of the digits weighted from the right, the weights given by the position counted from 0.
template <typename Weight> int weightedSum(QStringView data, Weight weight)
{
    int sum = 0;
    for (qsizetype i = 0; i < data.size(); ++i)
        sum += digitAt(data, data.size() - 1 - i) * weight(i);
    return sum;
}

// 2, 3, 4, 5, 6, 7, 2, 3, ... from the right.
int cyclingWeight(qsizetype fromRight)
{
    return 2 + static_cast<int>(fromRight % 6);
}

int mod11Ini(QStringView data)
{
    const int rest = weightedSum(data, [](qsizetype i) { return static_cast<int>(i) + 2; }) % 11;
    return rest <= 1 ? 0 : 11 - rest;
}

int iso7064(QStringView data)
{
    int product = 10;
    for (qsizetype i = 0; i < data.size(); ++i) {
        int sum = (digitAt(data, i) + product) % 10;
        if (sum == 0)
            sum = 10;
        product = (2 * sum) % 11;
    }
    return (11 - product) % 10;
}

std::optional<int> mod11Jmb(QStringView data)
{
    // The check digit carries weight 1; the digits before it 2..7 repeating.
    const int rest = weightedSum(data, cyclingWeight) % 11;
    const int digit = (11 - rest) % 11;
    if (digit == 10)
        return std::nullopt;
    return digit;
}

int mod11P7(QStringView data)
{
    const int rest = weightedSum(data, cyclingWeight) % 11;
    if (rest == 0)
        return 5;
    return rest == 1 ? 0 : 11 - rest;
}

int mod10Zb(QStringView data)
{
    return weightedSum(data, [](qsizetype i) { return i % 2 == 0 ? 1 : 2; }) % 10;
}

int mod10(QStringView data)
{
    int sum = 0;
    for (qsizetype i = 0; i < data.size(); ++i) {
        const int product = digitAt(data, data.size() - 1 - i) * (i % 2 == 0 ? 2 : 1);
        sum += product / 10 + product % 10;
    }
    return (10 - sum % 10) % 10;
}

// The remainder modulo 97 that text leaves after rest, read as digits, a letter as two.
int remainder97(int rest, QStringView text)
{
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9')
            rest = (rest * 10 + (c.unicode() - u'0')) % 97;
        else
            rest = (rest * 100 + (c.unicode() - u'A' + 10)) % 97;
    }
    return rest;
}

} // namespace

CheckMethod methodForLength(CheckMethod method, qsizetype length)
{
    switch (method) {
    case CheckMethod::Mod11IniOrOib:
        return length == 11 ? CheckMethod::Iso7064 : CheckMethod::Mod11Ini;
    case CheckMethod::OibIfEleven:
        return length == 11 ? CheckMethod::Iso7064 : CheckMethod::None;
    case CheckMethod::OibOrMod11IniSixToTen:
        return length >= 6 && length <= 10 ? CheckMethod::Mod11Ini : CheckMethod::Iso7064;
    default:
        return method;
    }
}

std::optional<int> expectedCheckDigit(CheckMethod method, QStringView data)
{
    switch (method) {
    case CheckMethod::Mod11Ini:
        return mod11Ini(data);
    case CheckMethod::Iso7064:
        return iso7064(data);
    case CheckMethod::Mod11Jmb:
        return mod11Jmb(data);
    case CheckMethod::Mod11P7:
        return mod11P7(data);
    case CheckMethod::Mod10Zb:
        return mod10Zb(data);
    case CheckMethod::Mod10:
    case CheckMethod::Mod10Mod11Pair:
        return mod10(data);
    default:
        return std::nullopt;
    }
}

std::optional<int> expectedSecondPairDigit(QStringView data)
{
    const int rest = weightedSum(data, cyclingWeight) % 11;
    if (rest == 0)
        return std::nullopt;
    return rest == 1 ? 0 : 11 - rest;
}

QString iso7064Mod97CheckDigits(QStringView prefix, QStringView body)
{
    const int rest = remainder97(remainder97(remainder97(0, body), prefix), u"00");
    return QString::number(98 - rest).rightJustified(2, u'0');
}

bool iso7064Mod97Valid(QStringView code)
{
    return code.size() > 4 && remainder97(remainder97(0, code.mid(4)), code.left(4)) == 1;
}
