#include "model/Amount.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct AmountCase
{
    const char16_t *typed;
    const char16_t *drawn;
};

void PrintTo(const AmountCase &c, std::ostream *os)
{
    *os << QString::fromUtf16(c.typed).toStdString() << " -> " << QString::fromUtf16(c.drawn).toStdString();
}

class AmountTextTest : public ::testing::TestWithParam<AmountCase>
{
};

TEST_P(AmountTextTest, DrawsTheFormattedAmountOrTheMarker)
{
    const AmountCase &c = GetParam();
    EXPECT_EQ(AmountText(QString::fromUtf16(c.typed)), QString::fromUtf16(c.drawn))
        << "typed: " << QString::fromUtf16(c.typed).toStdString();
}

// The table of typed texts and what the amount box shows, plus rounding boundaries.
INSTANTIATE_TEST_SUITE_P(
    TypedTexts, AmountTextTest,
    ::testing::Values(
        AmountCase{u"", u"0,00"}, AmountCase{u"abc", u"0,00"}, AmountCase{u"-", u"0,00"},
        AmountCase{u"1234,5", u"1.234,50"}, AmountCase{u"1234.5", u"1.234,50"},
        AmountCase{u"1.234,56", u"1.234,56"}, AmountCase{u"1,234.56", u"1.234,56"},
        AmountCase{u"1.234", u"1,23"}, AmountCase{u"1,235", u"1,24"}, AmountCase{u"0,125", u"0,13"},
        AmountCase{u"1.234.567,89", u"POGREŠAN UNOS!!!"}, AmountCase{u"1,234,567", u"POGREŠAN UNOS!!!"},
        AmountCase{u"1 234,56", u"POGREŠAN UNOS!!!"}, AmountCase{u"12 kn", u"POGREŠAN UNOS!!!"},
        AmountCase{u" 12 ", u"12,00"}, AmountCase{u"-5", u"-5,00"}, AmountCase{u"+5", u"5,00"},
        AmountCase{u"-0,001", u"0,00"}, AmountCase{u"-0,005", u"-0,01"}, AmountCase{u",5", u"0,50"},
        AmountCase{u"5,", u"5,00"}, AmountCase{u"1e3", u"1.000,00"}, AmountCase{u"2,5e-1", u"0,25"},
        AmountCase{u"123456789012345678", u"123.456.789.012.345.680,00"},
        AmountCase{u"1000000000000000000", u"1E18"}, AmountCase{u"1e400", u"POGREŠAN UNOS!!!"},
        // rounding and form boundaries
        AmountCase{u"1,5e20", u"1,5E20"}, AmountCase{u"-1,5e20", u"-1,5E20"}, AmountCase{u"0,994", u"0,99"},
        AmountCase{u"0,995", u"0,99"}, AmountCase{u"999,995", u"1.000,00"}, AmountCase{u"-0,0049", u"0,00"},
        AmountCase{u"2,675", u"2,67"}, AmountCase{u"1,005", u"1,00"}, AmountCase{u"0,375", u"0,38"},
        AmountCase{u"-2,5", u"-2,50"}, AmountCase{u"999999999999999999", u"1E18"},
        AmountCase{u"1e-400", u"0,00"}, AmountCase{u"100", u"100,00"}, AmountCase{u"1000", u"1.000,00"},
        AmountCase{u"123456", u"123.456,00"}, AmountCase{u"\t5", u"POGREŠAN UNOS!!!"},
        AmountCase{u"5e", u"5,00"}, AmountCase{u"1e499", u"POGREŠAN UNOS!!!"},
        AmountCase{u"1e5000", u"POGREŠAN UNOS!!!"}, AmountCase{u"0e999", u"0,00"},
        AmountCase{u"1e0000000002", u"100,00"}, AmountCase{u"1,2,3", u"POGREŠAN UNOS!!!"},
        AmountCase{u"--5", u"POGREŠAN UNOS!!!"}, AmountCase{u"5-", u"POGREŠAN UNOS!!!"}),
    [](const ::testing::TestParamInfo<AmountCase> &info) { return std::to_string(info.index); });

TEST(ParseAmount, TextWithoutDigitsIsZeroNotAFailure)
{
    for (const char16_t *text : {u"", u"kn", u".", u",", u"-", u"e"}) {
        const auto value = ParseAmount(QString::fromUtf16(text));
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(*value, 0.0);
    }
}

TEST(ParseAmount, ValuesAreTheNearestDouble)
{
    EXPECT_EQ(*ParseAmount(QStringLiteral("1,235")), 1.235);
    EXPECT_EQ(*ParseAmount(QStringLiteral("0,1")), 0.1);
    EXPECT_EQ(*ParseAmount(QStringLiteral("-2,5e-1")), -0.25);
    EXPECT_EQ(*ParseAmount(QStringLiteral("123456789012345678")), 123456789012345680.0);
}

TEST(ParseAmount, ExponentDigitsBeyondFiveHundredAreLeftOver)
{
    EXPECT_FALSE(ParseAmount(QStringLiteral("0e5000")).has_value());
    EXPECT_TRUE(ParseAmount(QStringLiteral("0e500")).has_value());
}

TEST(ParseAmount, VeryLongDigitStringsAreHandled)
{
    const QString manyDigits(10000, u'9');
    EXPECT_EQ(AmountText(manyDigits), amountErrorMarker()); // beyond the double range
    const QString longFraction = QStringLiteral("0,") + QString(10000, u'1');
    EXPECT_EQ(AmountText(longFraction), QStringLiteral("0,11"));
}

} // namespace
