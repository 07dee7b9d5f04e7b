#pragma once

#include <QStyledItemDelegate>

#include <functional>

// Lets a list's owner draw every row itself; all rows have the same height and the list's width.
class OwnerDrawDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using DrawItem = std::function<void(QPainter &painter, const QRect &row, bool selected, int index)>;

    OwnerDrawDelegate(int rowHeight, DrawItem drawItem, QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int m_rowHeight;
    DrawItem m_drawItem;
};
