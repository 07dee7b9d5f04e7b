#pragma once

#include <QDateTime>
#include <QString>

class QTranslator;

// The program's number, date and time formats.
namespace Formats {

// Makes "," the decimal and "." the thousands separator for every number the process formats.
void applyProcessWide();

// Loads Qt's own Croatian translations into the application, so that every standard dialog and
// button speaks Croatian, and returns them (owned by the application). Nothing when they are not
// installed (package qt6-translations-l10n); the texts then stay English.
QTranslator *installCroatianTranslations();

// The time as "hh:mm:ss" (24-hour) and the date as "dd.mm.yyyy." (06.12.2001.).
QString timeText(const QTime &time);
QString shortDateText(const QDate &date);

} // namespace Formats
