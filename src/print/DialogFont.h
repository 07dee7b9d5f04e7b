#pragma once

#include <QFont>

// The dialogs' font: MS Sans Serif where it exists, else Arial, 11 pixels high.
inline QFont dialogFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}
