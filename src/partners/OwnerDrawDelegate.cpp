#include "partners/OwnerDrawDelegate.h"

OwnerDrawDelegate::OwnerDrawDelegate(int rowHeight, DrawItem drawItem, QObject *parent)
    : QStyledItemDelegate(parent), m_rowHeight(rowHeight), m_drawItem(std::move(drawItem))
{
}

void OwnerDrawDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    m_drawItem(*painter, option.rect, option.state.testFlag(QStyle::State_Selected), index.row());
}

QSize OwnerDrawDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return {0, m_rowHeight};
}
