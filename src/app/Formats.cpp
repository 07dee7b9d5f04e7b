#include "Formats.h"

#include <QLocale>

namespace Formats {

void applyProcessWide()
{
    QLocale croatian(QLocale::Croatian, QLocale::Croatia);
    croatian.setNumberOptions(QLocale::DefaultNumberOptions);
    QLocale::setDefault(croatian);
}

QString timeText(const QTime &time)
{
    return time.toString(u"HH:mm:ss");
}

QString shortDateText(const QDate &date)
{
    return date.toString(u"dd.MM.yyyy.");
}

} // namespace Formats
