#include "app/Formats.h"
#include "QtPrinters.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

TEST(Formats, ClockPatternsUseTwoDigitsAnd24Hours)
{
    EXPECT_EQ(Formats::shortDateText(QDate(2001, 12, 6)), u"06.12.2001."_s);
    EXPECT_EQ(Formats::timeText(QTime(21, 5, 9)), u"21:05:09"_s);
    EXPECT_EQ(Formats::timeText(QTime(0, 0, 0)), u"00:00:00"_s);
}

TEST(Formats, ProcessWideNumbersUseCommaAndFullStop)
{
    const QLocale before;
    Formats::applyProcessWide();
    const QLocale after;
    QLocale::setDefault(before);
    EXPECT_EQ(after.decimalPoint(), u","_s);
    EXPECT_EQ(after.groupSeparator(), u"."_s);
    EXPECT_EQ(after.toString(1234567.5, 'f', 2), u"1.234.567,50"_s);
}

} // namespace
