#include "bankfile/BusinessDays.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

// Easter Sunday of a Gregorian year (the anonymous Gregorian computus).
QDate easterSunday(int year)
{
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int dayOfMonth = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, dayOfMonth);
}

bool isHoliday(QDate day)
{
    // Month and day of the fixed holidays.
    static constexpr std::array<std::pair<int, int>, 11> fixed{
        {{1, 1}, {1, 6}, {5, 1}, {5, 30}, {6, 22}, {8, 5}, {8, 15}, {11, 1}, {11, 18}, {12, 25}, {12, 26}}};
    if (std::find(fixed.begin(), fixed.end(), std::pair{day.month(), day.day()}) != fixed.end())
        return true;
    // Good Friday, Easter Monday and Corpus Christi.
    const qint64 fromEaster = easterSunday(day.year()).daysTo(day);
    return fromEaster == -2 || fromEaster == 1 || fromEaster == 60;
}

} // namespace

bool isBusinessDay(QDate day)
{
    return day.dayOfWeek() < Qt::Saturday && !isHoliday(day);
}

QDate businessDayFrom(QDate day)
{
    while (!isBusinessDay(day))
        day = day.addDays(1);
    return day;
}
