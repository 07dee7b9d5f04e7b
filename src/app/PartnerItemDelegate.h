#pragma once

#include <QStyledItemDelegate>

// Draws the pick list's partner entries in rows of 13 pixels: the name in bold, then the account and
// the reference in a smaller font; the selected entry white on blue.
class PartnerItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int rowHeight = 13;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

// Draws one entry into its row.
void ListBox1DrawItem(QPainter &painter, const QRect &row, const QString &entry, bool selected);
