#pragma once

#include <QDateTime>
#include <QString>

// The program's number, date and time formats.
namespace Formats {

// Makes "," the decimal and "." the thousands separator for every number the process formats.
void applyProcessWide();

// The time as "hh:mm:ss" (24-hour) and the date as "dd.mm.yyyy." (06.12.2001.).
QString timeText(const QTime &time);
QString shortDateText(const QDate &date);

} // namespace Formats
