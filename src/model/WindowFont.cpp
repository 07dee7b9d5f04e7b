#include "WindowFont.h"

#include <QFontDatabase>

QFont windowFont()
{
    const QString family = QStringLiteral("MS Sans Serif");
    QFont font(QFontDatabase::hasFamily(family) ? family : QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}
