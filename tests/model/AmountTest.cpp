#include "model/Amount.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The typed texts and what the amount box shows, then rounding and form boundaries.
TEST(AmountText, DrawsTheFormattedAmountOrTheMarker)
{
    // clang-format off
    const std::pair<const char16_t *, const char16_t *> cases[] = {
        {u"", u"0,00"}, {u"abc", u"0,00"}, {u"-", u"0,00"}, {u"1234,5", u"1.234,50"},
        {u"1234.5", u"1.234,50"}, {u"1.234,56", u"1.234,56"}, {u"1,234.56", u"1.234,56"}, {u"1.234", u"1,23"},
        {u"1,235", u"1,24"}, {u"0,125", u"0,13"}, {u"1.234.567,89", u"POGREŠAN UNOS!!!"},
        {u"1,234,567", u"POGREŠAN UNOS!!!"}, {u"1 234,56", u"POGREŠAN UNOS!!!"},
        {u"12 kn", u"POGREŠAN UNOS!!!"}, {u" 12 ", u"12,00"}, {u"-5", u"-5,00"}, {u"+5", u"5,00"},
        {u"-0,001", u"0,00"}, {u"-0,005", u"-0,01"}, {u",5", u"0,50"}, {u"5,", u"5,00"},
        {u"1e3", u"1.000,00"}, {u"2,5e-1", u"0,25"}, {u"123456789012345678", u"123.456.789.012.345.680,00"},
        {u"1000000000000000000", u"1E18"}, {u"1e400", u"POGREŠAN UNOS!!!"}, {u"1,5e20", u"1,5E20"},
        {u"-1,5e20", u"-1,5E20"}, {u"0,994", u"0,99"}, {u"0,995", u"0,99"}, {u"999,995", u"1.000,00"},
        {u"-0,0049", u"0,00"}, {u"2,675", u"2,67"}, {u"1,005", u"1,00"}, {u"0,375", u"0,38"},
        {u"-2,5", u"-2,50"}, {u"999999999999999999", u"1E18"}, {u"1e-400", u"0,00"}, {u"100", u"100,00"},
        {u"1000", u"1.000,00"}, {u"123456", u"123.456,00"}, {u"\t5", u"POGREŠAN UNOS!!!"}, {u"5e", u"5,00"},
        {u"1e499", u"POGREŠAN UNOS!!!"}, {u"1e5000", u"POGREŠAN UNOS!!!"}, {u"0e999", u"0,00"},
        {u"1e0000000002", u"100,00"}, {u"1,2,3", u"POGREŠAN UNOS!!!"}, {u"--5", u"POGREŠAN UNOS!!!"},
        {u"5-", u"POGREŠAN UNOS!!!"},
    };
    // clang-format on
    for (const auto &[typed, drawn] : cases)
        EXPECT_EQ(AmountText(QString::fromUtf16(typed)), QString::fromUtf16(drawn))
            << "typed: " << QString::fromUtf16(typed).toStdString();
}

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
    EXPECT_EQ(*ParseAmount(u"1,235"_s), 1.235);
    EXPECT_EQ(*ParseAmount(u"0,1"_s), 0.1);
    EXPECT_EQ(*ParseAmount(u"-2,5e-1"_s), -0.25);
    EXPECT_EQ(*ParseAmount(u"123456789012345678"_s), 123456789012345680.0);
}

TEST(ParseAmount, ExponentDigitsBeyondFiveHundredAreLeftOver)
{
    EXPECT_FALSE(ParseAmount(u"0e5000"_s).has_value());
    EXPECT_TRUE(ParseAmount(u"0e500"_s).has_value());
}

TEST(ParseAmount, VeryLongDigitStringsAreHandled)
{
    const QString manyDigits(10000, u'9');
    EXPECT_EQ(AmountText(manyDigits), amountErrorMarker()); // beyond the double range
    const QString longFraction = u"0,"_s + QString(10000, u'1');
    EXPECT_EQ(AmountText(longFraction), u"0,11"_s);
}

} // namespace
