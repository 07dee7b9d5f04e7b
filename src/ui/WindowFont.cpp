#include "ui/WindowFont.h"

#include <QFontDatabase>

QFont windowFont()
{
    // Asked once: every window takes this font, and each question goes through fontconfig.
    static const QString family = [] {
        const QString windowsFamily = QStringLiteral("MS Sans Serif");
        return QFontDatabase::hasFamily(windowsFamily) ? windowsFamily : QStringLiteral("Arial");
    }();
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}
