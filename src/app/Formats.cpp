#include "app/Formats.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Formats {

void applyProcessWide()
{
    QLocale croatian(QLocale::Croatian, QLocale::Croatia);
    croatian.setNumberOptions(QLocale::DefaultNumberOptions);
    QLocale::setDefault(croatian);
}

QTranslator *installCroatianTranslations()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(QLocale::Croatian, QLocale::Croatia), QStringLiteral("qt"),
                          QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
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
