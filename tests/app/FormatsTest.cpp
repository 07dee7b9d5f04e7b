#include "app/Formats.h"
#include "QtPrinters.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

TEST(Formats, ClockPatternsUseTwoDigitsAnd24Hours)
{
    EXPECT_EQ(Formats::shortDateText(QDate(2001, 12, 6)), QStringLiteral("06.12.2001."));
    EXPECT_EQ(Formats::timeText(QTime(21, 5, 9)), QStringLiteral("21:05:09"));
    EXPECT_EQ(Formats::timeText(QTime(0, 0, 0)), QStringLiteral("00:00:00"));
}

TEST(Formats, ProcessWideNumbersUseCommaAndFullStop)
{
    const QLocale before;
    Formats::applyProcessWide();
    const QLocale after;
    QLocale::setDefault(before);
    EXPECT_EQ(after.decimalPoint(), QStringLiteral(","));
    EXPECT_EQ(after.groupSeparator(), QStringLiteral("."));
    EXPECT_EQ(after.toString(1234567.5, 'f', 2), QStringLiteral("1.234.567,50"));
}

} // namespace
