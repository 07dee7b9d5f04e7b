#include "model/WholeNumber.h"
#include "model/UserError.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(StrToInt, AcceptsDecimalAndHexadecimalForms)
{
    const struct
    {
        const char16_t *text;
        qint32 value;
    } cases[] = {
        // clang-format off
        {u"0", 0},          {u"5", 5},    {u"-3", -3},                 {u"+7", 7},
        {u"   42", 42},     {u"007", 7},  {u"2147483647", 2147483647}, {u"-2147483648", -2147483647 - 1},
        {u"$FF", 255},      {u"x1a", 26}, {u"0x10", 16},               {u"0X7fffffff", 2147483647},
        {u"$FFFFFFFF", -1},
        // clang-format on
    };
    for (const auto &c : cases)
        EXPECT_EQ(StrToInt(QString::fromUtf16(c.text)), c.value) << QString::fromUtf16(c.text).toStdString();
}

TEST(StrToInt, RejectsEverythingElseWithTheText)
{
    for (const char16_t *text : {u"", u" ", u"-", u"+", u"12 ", u"1.5", u"1,5", u"abc", u"2147483648",
                                 u"-2147483649", u"$", u"0x", u"-$5", u"$100000000", u"1e3", u"\t5", u"٣"}) {
        const QString input = QString::fromUtf16(text);
        try {
            StrToInt(input);
            ADD_FAILURE() << "accepted: " << input.toStdString();
        } catch (const UserError &e) {
            EXPECT_EQ(e.text(), u"'%1' is not a valid integer value"_s.arg(input));
        }
    }
}

} // namespace
