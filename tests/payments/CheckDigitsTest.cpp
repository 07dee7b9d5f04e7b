#include "payments/CheckDigits.h"

#include <gtest/gtest.h>

namespace {

struct DigitCase
{
    CheckMethod method;
    const char16_t *data; // the digits before the check digit
    std::optional<int> expected;
    const char *why;
};

TEST(CheckDigits, GiveTheDigitEachMethodCallsFor)
{
    const DigitCase cases[] = {
        // The worked examples of the reference-model rules.
        {CheckMethod::Mod11Ini, u"10230578901", 6, "sum 214, remainder 5"},
        {CheckMethod::Mod11Ini, u"33444555666", 9, "sum 321, remainder 2"},
        {CheckMethod::Iso7064, u"234000", 9, "last product 2"},
        {CheckMethod::Mod11Jmb, u"200494033931", 9, "2004940339319 sums to 154"},
        {CheckMethod::Mod11P7, u"345678901", 2, "sum 196, remainder 9"},
        {CheckMethod::Mod10Zb, u"223344556", 8, "sum 48"},
        {CheckMethod::Mod10, u"54370395", 3, "digit sum 37"},
        {CheckMethod::Mod10Mod11Pair, u"54370395", 3, "the pair's first digit is Mod10"},
        // Checked by hand, one per branch of each method.
        {CheckMethod::Mod11Ini, u"1", 9, "2 left over"},
        {CheckMethod::Mod11Ini, u"6", 0, "remainder 1 gives 0"},
        {CheckMethod::Mod11Ini, u"", 0, "remainder 0 gives 0"},
        {CheckMethod::Iso7064, u"1", 9, "product 2"},
        {CheckMethod::Iso7064, u"0", 2, "a zero sum counts as 10"},
        {CheckMethod::Iso7064, u"6", 0, "product 1 gives 10, written 0"},
        {CheckMethod::Iso7064, u"1234567890", 3, "the OIB 12345678903"},
        {CheckMethod::Mod11Jmb, u"6", std::nullopt, "no digit makes 12 + d divisible by 11"},
        {CheckMethod::Mod11P7, u"0", 5, "remainder 0 gives 5"},
        {CheckMethod::Mod11P7, u"6", 0, "remainder 1 gives 0"},
        {CheckMethod::Mod11P7, u"30", 2, "3*3 = 9"},
        {CheckMethod::Mod10Zb, u"12", 4, "2*1 + 1*2"},
        {CheckMethod::Mod10, u"7992739871", 3, "79927398713"},
        {CheckMethod::Mod10, u"5", 9, "10 counts as 1"},
        {CheckMethod::Mod10, u"0", 0, "remainder 0 gives 0"},
        {CheckMethod::None, u"123", std::nullopt, "no method, no digit"},
    };
    for (const DigitCase &c : cases)
        EXPECT_EQ(expectedCheckDigit(c.method, QStringView(c.data)), c.expected) << c.why;
}

TEST(CheckDigits, GiveTheSecondDigitOfThePairModuloEleven)
{
    EXPECT_EQ(expectedSecondPairDigit(u"54370395"), 8); // sum 135, remainder 3
    EXPECT_EQ(expectedSecondPairDigit(u"6"), 0);        // remainder 1 gives 0
    EXPECT_EQ(expectedSecondPairDigit(u"0"), std::nullopt);
}

TEST(CheckDigits, ChooseTheMethodByTheLengthWhereTheModelDoes)
{
    const struct
    {
        CheckMethod method;
        qsizetype length;
        CheckMethod plain;
    } cases[] = {
        {CheckMethod::Mod11IniOrOib, 10, CheckMethod::Mod11Ini},
        {CheckMethod::Mod11IniOrOib, 11, CheckMethod::Iso7064},
        {CheckMethod::OibIfEleven, 10, CheckMethod::None},
        {CheckMethod::OibIfEleven, 11, CheckMethod::Iso7064},
        {CheckMethod::OibOrMod11IniSixToTen, 5, CheckMethod::Iso7064},
        {CheckMethod::OibOrMod11IniSixToTen, 6, CheckMethod::Mod11Ini},
        {CheckMethod::OibOrMod11IniSixToTen, 10, CheckMethod::Mod11Ini},
        {CheckMethod::OibOrMod11IniSixToTen, 11, CheckMethod::Iso7064},
        {CheckMethod::Mod10, 3, CheckMethod::Mod10},
    };
    for (const auto &c : cases)
        EXPECT_EQ(methodForLength(c.method, c.length), c.plain) << c.length;
}

} // namespace
