#include "payments/ReferenceModels.h"

#include <QString>

#include <algorithm>

namespace {

using enum CheckMethod;

constexpr ElementRule any{};
constexpr ElementRule fixed(int digits, const char *firstDigits = nullptr)
{
    return {exactly(digits), firstDigits};
}
constexpr ElementRule atMost(int digits, const char *firstDigits = nullptr)
{
    return {upTo(digits), firstDigits};
}
constexpr CheckSpan own(int element, CheckMethod method)
{
    return {element, element, method};
}
constexpr CheckSpan joint(int first, int last, CheckMethod method)
{
    return {first, last, method};
}

constexpr const char *nonZero = "123456789";

// Every model of the basic and the special tables, as "(P1)K - P2 - P3" and each model's
// explanation give it. HR50's P3 is a check digit for P2 by an algorithm that is not public, so
// it is not checked.
// clang-format off
constexpr ModelRule models[] = {
    // model, elements at least, at most, {P1, P2, P3, P4}, {check digits}
    {0,  1, 3, {}, {}},
    {1,  1, 3, {}, {joint(0, 2, Mod11Ini)}},
    {2,  1, 3, {}, {own(1, Mod11Ini), own(2, Mod11Ini)}},
    {3,  1, 3, {}, {own(0, Mod11Ini), own(1, Mod11Ini), own(2, Mod11Ini)}},
    {4,  1, 3, {}, {own(0, Mod11Ini), own(2, Mod11Ini)}},
    {5,  1, 3, {}, {own(0, Mod11Ini), own(1, OibIfEleven)}},
    {6,  1, 3, {}, {joint(1, 2, Mod11Ini)}},
    {7,  1, 3, {}, {own(1, Mod11Ini)}},
    {8,  1, 3, {}, {joint(0, 1, Mod11Ini), own(2, Mod11Ini)}},
    {9,  1, 3, {}, {joint(0, 1, Mod11Ini)}},
    {10, 1, 3, {}, {own(0, Mod11Ini), joint(1, 2, Mod11Ini)}},
    {11, 1, 3, {}, {own(0, Mod11Ini), own(1, Mod11Ini)}},
    {12, 1, 3, {fixed(13)}, {own(0, Mod11Jmb)}},
    {13, 1, 3, {fixed(10, "3")}, {own(0, Mod11P7)}},
    {14, 1, 3, {fixed(10)}, {own(0, Mod10Zb)}},
    {15, 1, 2, {fixed(8), fixed(11)}, {own(0, Mod10), own(1, Mod10)}},
    {16, 3, 3, {fixed(5), fixed(4), fixed(8)}, {own(0, Mod11Ini), own(1, Mod11Ini)}},
    {17, 1, 3, {}, {own(0, Iso7064)}},
    {18, 1, 3, {atMost(12, "3")}, {own(0, Mod11P7)}},
    {19, 2, 2, {atMost(10), fixed(11)}, {own(0, Mod11Ini), own(1, Iso7064)}},
    {23, 1, 4, {fixed(4, "6")}, {own(0, Mod11Ini)}},
    {24, 1, 4, {fixed(4), atMost(13)}, {own(0, Mod11Ini)}},
    {25, 2, 2, {fixed(3), fixed(7)}, {}},
    {26, 3, 4, {fixed(4), atMost(11), atMost(11)}, {own(0, Mod11Ini), own(1, Mod11IniOrOib), own(2, Mod11IniOrOib)}},
    {27, 2, 2, {fixed(4)}, {own(0, Mod11Ini), own(1, Mod11Ini)}},
    {28, 3, 4, {fixed(4), fixed(3), fixed(6), atMost(6)}, {own(0, Mod11Ini), own(1, Mod11Ini), own(2, Mod11Ini)}},
    {29, 3, 3, {fixed(4)}, {own(0, Mod11Ini), own(1, Mod11Ini), own(2, Mod11Ini)}},
    {30, 3, 3, {fixed(10), fixed(4), atMost(6)}, {}},
    {31, 1, 4, {atMost(6)}, {own(0, Iso7064)}},
    {33, 3, 3, {atMost(6), atMost(7), atMost(7)}, {own(0, Iso7064), own(1, Iso7064)}},
    {34, 3, 3, {atMost(6), atMost(7), atMost(5, nonZero)}, {own(0, Iso7064), own(1, Iso7064), own(2, Iso7064)}},
    {35, 2, 2, {atMost(10), fixed(11)}, {own(0, Mod11Ini), own(1, Iso7064)}},
    {40, 1, 3, {fixed(11, "0")}, {own(0, Mod10Mod11Pair)}},
    {41, 1, 3, {fixed(13)}, {own(0, Mod11Jmb), own(1, Mod11Ini)}},
    {42, 1, 3, {}, {joint(0, 2, Mod11Jmb)}},
    {43, 4, 4, {fixed(3), fixed(8), fixed(5), fixed(3)}, {own(1, Mod11Ini)}},
    {50, 3, 3, {fixed(5), fixed(12), fixed(1)}, {own(0, Mod11Ini)}},
    {55, 1, 3, {}, {own(0, Mod11Ini)}},
    {62, 3, 4, {fixed(4), atMost(5, nonZero), atMost(6)}, {own(0, Mod11Ini), own(1, Iso7064), own(2, Mod11Ini)}},
    {63, 3, 3, {fixed(4), atMost(5, nonZero)}, {own(0, Mod11Ini), own(1, Iso7064), own(2, Mod11Ini)}},
    {64, 3, 4, {fixed(4), atMost(5, nonZero), any, atMost(9)}, {own(0, Mod11Ini), own(1, Iso7064), own(2, OibIfEleven)}},
    {65, 3, 4, {fixed(4), fixed(3), atMost(11)}, {own(0, Mod11Ini), own(1, Mod11Ini), own(2, OibOrMod11IniSixToTen)}},
    {67, 1, 3, {fixed(11), atMost(10), atMost(8)}, {own(0, Iso7064)}},
    {68, 2, 3, {fixed(4), fixed(11), atMost(5)}, {own(0, Mod11Ini), own(1, Iso7064)}},
    {69, 2, 3, {fixed(5), fixed(11), fixed(3)}, {own(0, Mod11Ini), own(1, Iso7064)}},
    {83, 2, 3, {fixed(4), {exactly(5) | exactly(7) | exactly(16), "03"}, fixed(6, "12")}, {own(0, Mod11Ini)}},
    {84, 2, 3, {fixed(4), {exactly(4) | exactly(8)}, fixed(10)}, {own(0, Mod11Ini)}},
    {99, 0, 0, {}, {}},
};
// clang-format on

} // namespace

const ModelRule *findModelRule(int number)
{
    const auto found = std::find_if(std::begin(models), std::end(models),
                                    [number](const ModelRule &rule) { return rule.number == number; });
    return found == std::end(models) ? nullptr : found;
}

QString modelName(int number)
{
    return QStringLiteral("HR%1").arg(number, 2, 10, QLatin1Char('0'));
}

std::optional<int> parseModel(const QString &text)
{
    QString digits = text.trimmed().toUpper();
    if (digits.startsWith(u"HR"))
        digits = digits.mid(2).trimmed();
    if (digits.isEmpty() || digits.size() > 2 ||
        !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return std::nullopt;
    return digits.toInt();
}
