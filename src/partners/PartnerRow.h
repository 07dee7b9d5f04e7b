#pragma once

#include <QRect>
#include <QString>

class QPainter;

// One entry of the partner dialog's list as a row: the name on top, the account and the reference
// under their captions, a silver line at the bottom; black with white and yellow text when
// selected, white with black and blue text otherwise.
namespace PartnerRow {

constexpr int height = 50;

void draw(QPainter &painter, const QRect &row, bool selected, const QString &entry);

} // namespace PartnerRow
