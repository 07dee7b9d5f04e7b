#include "model/Hub3aDate.h"

namespace {

constexpr QStringView format = u"ddMMyyyy";

} // namespace

QDate hub3aDate(const QString &text)
{
    return text.size() == format.size() ? QDate::fromString(text, format) : QDate();
}

QString hub3aDateText(QDate date)
{
    return date.toString(format);
}
