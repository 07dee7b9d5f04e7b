#pragma once

#include <QRect>
#include <QString>

class QPainter;

// A partner entry drawn as a list row, in the two lists that show entries.
namespace PartnerRow {

// The partner dialog's row: the name on top, the account and the reference under their captions,
// a silver line at the bottom; black with white and yellow text when selected, white with black
// and blue text otherwise.
constexpr int height = 50;
void draw(QPainter &painter, const QRect &row, bool selected, const QString &entry);

// The main window's pick list row: the name in bold, then the account and the reference in a
// smaller font on the same line; the selected entry white on blue. A red cross at the row's end
// marks an entry whose account or reference does not check out.
constexpr int pickHeight = 13;
void drawPick(QPainter &painter, const QRect &row, bool selected, const QString &entry);

} // namespace PartnerRow
