#include "app/Glyphs.h"

#include <QImage>
#include <QPixmap>
#include <QToolButton>

#include <span>

namespace {

// Pixels by letter: '.' transparent, 'k' black, 'y' yellow, 'b' blue.
constexpr const char *pickRows[] = {
    "kkkkkkkkk", ".kkkkkkk.", "..kkkkk..", "...kkk...", "....k....",
};
constexpr const char *storeRows[] = {
    "kkkkkkk...", "kyyyyyk...", "kyyyyyk...", "kyyyyyk...", "kyyyyyk..b",
    "kyyyyyk.bb", "kkkkkkkbb.", "..b...bb..", "..bb.bb...", "...bbb....",
};
constexpr const char *addRows[] = {
    ".......b..", ".......b..", ".....bbbbb", ".......b..", "..k....b..",
    "..k.......", "..k.......", "kkkkk.....", ".kkk......", "..k.......",
};

QRgb pixelColour(char letter)
{
    switch (letter) {
    case 'k':
        return qRgba(0, 0, 0, 255);
    case 'y':
        return qRgba(255, 255, 0, 255);
    case 'b':
        return qRgba(0, 0, 255, 255);
    default:
        return qRgba(0, 0, 0, 0);
    }
}

QPixmap pixmapFromRows(std::span<const char *const> rows)
{
    const int width = static_cast<int>(std::char_traits<char>::length(rows[0]));
    QImage image(width, static_cast<int>(rows.size()), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, pixelColour(rows[static_cast<size_t>(y)][x]));
    }
    return QPixmap::fromImage(image);
}

QPixmap glyphPixmap(Glyph glyph)
{
    switch (glyph) {
    case Glyph::Pick:
        return pixmapFromRows(pickRows);
    case Glyph::StoreDefault:
        return pixmapFromRows(storeRows);
    case Glyph::AddPartner:
        return pixmapFromRows(addRows);
    }
    return {};
}

} // namespace

void makeGlyphButton(QToolButton *button, Glyph glyph)
{
    const QPixmap pixmap = glyphPixmap(glyph);
    button->setIcon(QIcon(pixmap));
    button->setIconSize(pixmap.size());
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
}
