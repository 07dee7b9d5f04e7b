#pragma once

#include <QFont>
#include <QFontDatabase>

// The dialogs' font: MS Sans Serif where it is installed, else Arial (fontconfig would otherwise
// put its default face in place of the missing one), 11 pixels high.
inline QFont dialogFont()
{
    const QString family = QStringLiteral("MS Sans Serif");
    QFont font(QFontDatabase::hasFamily(family) ? family : QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}
