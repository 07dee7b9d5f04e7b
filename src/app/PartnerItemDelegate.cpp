#include "PartnerItemDelegate.h"

#include "PartnerEntry.h"

#include <QPainter>

namespace {

// Arial at 8 points bold and 7 points, as pixels at 96 dpi.
QFont arial(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

} // namespace

void ListBox1DrawItem(QPainter &painter, const QRect &row, const QString &entry, bool selected)
{
    painter.save();
    painter.fillRect(row, selected ? QColor(0, 0, 255) : QColor(Qt::white));
    painter.setPen(selected ? Qt::white : Qt::black);
    const PartnerParts parts = SplitPartner(entry);
    const QString name = partnerTextOnOneRow(parts.name);

    const QFont nameFont = arial(11, true);
    const QFontMetrics nameMetrics(nameFont);
    painter.setFont(nameFont);
    painter.drawText(row.left() + 4, row.top() + nameMetrics.ascent(), name);

    const QFont detailFont = arial(9, false);
    painter.setFont(detailFont);
    painter.drawText(row.left() + nameMetrics.horizontalAdvance(name) + 10,
                     row.top() + 2 + QFontMetrics(detailFont).ascent(),
                     QStringLiteral("Broj računa :") + parts.account + QStringLiteral("  Poziv na broj :") +
                         parts.reference);
    painter.restore();
}

void PartnerItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    ListBox1DrawItem(*painter, option.rect, index.data().toString(),
                     option.state.testFlag(QStyle::State_Selected));
}

QSize PartnerItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return {option.rect.width(), rowHeight};
}
