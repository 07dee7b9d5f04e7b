#include "book/BookTableModel.h"

#include <QFileInfo>

#include <array>

using namespace Qt::StringLiterals;
using F = Hub3aField;

namespace {

// In the order of the enums.
constexpr std::array stateCaptions = {"pripremljen", "poslan", "odbijen", "prihvaćen", "proknjižen"};
constexpr std::array wayCaptions = {"ispis", "PDF", "datoteka za banku"};
constexpr std::array columnCaptions = {"Datum", "Primatelj", "Iznos", "Poziv na broj", "Izlaz", "Stanje"};

} // namespace

QString bookStateCaption(BookState state)
{
    return QString::fromUtf8(stateCaptions[static_cast<size_t>(state)]);
}

QString bookWayCaption(BookWay way)
{
    return QString::fromUtf8(wayCaptions[static_cast<size_t>(way)]);
}

QString bookWayText(const BookPayment &payment)
{
    if (payment.wayFile.isEmpty())
        return bookWayCaption(payment.way);
    if (payment.way == BookWay::Printed)
        return u"ispis na %1"_s.arg(payment.wayFile);
    return bookWayCaption(payment.way) + u' ' + QFileInfo(payment.wayFile).fileName();
}

QString bookReferenceText(const Hub3aRecord &record)
{
    const QString reference = record[F::RecipientReference];
    return reference.isEmpty() ? record[F::Description] : record[F::RecipientModel] + u' ' + reference;
}

BookTableModel::BookTableModel(const PaymentBook &book, QObject *parent)
    : QAbstractTableModel(parent), m_book(book)
{
}

void BookTableModel::setFilter(const BookFilter &filter)
{
    beginResetModel();
    m_filter = filter;
    m_entries = BookQuery::page(m_book, m_filter, 0, pageSize);
    m_allRead = m_entries.size() < pageSize;
    m_totals = BookQuery::totals(m_book, m_filter);
    endResetModel();
}

int BookTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_entries.size());
}

int BookTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant BookTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    if (role == Qt::TextAlignmentRole && index.column() == Amount)
        return static_cast<int>(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    const BookEntry &entry = m_entries[index.row()];
    const Hub3aRecord &record = entry.payment.record;
    switch (index.column()) {
    case Day:
        return entry.left.date().toString(u"dd.MM.yyyy."_s);
    case Recipient:
        return record[F::RecipientName];
    case Amount:
        if (const std::optional<qint64> cents = hub3aAmountCents(record[F::Amount]))
            return hub3aAmountText(*cents);
        return record[F::Amount];
    case Reference:
        return bookReferenceText(record);
    case Way:
        return bookWayText(entry.payment);
    case State:
        return bookStateCaption(entry.state);
    default:
        return {};
    }
}

QVariant BookTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromUtf8(columnCaptions[static_cast<size_t>(section)]);
}

bool BookTableModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && !m_allRead;
}

void BookTableModel::fetchMore(const QModelIndex &parent)
{
    if (!canFetchMore(parent) || m_entries.isEmpty())
        return;
    const QList<BookEntry> next = BookQuery::page(m_book, m_filter, m_entries.constLast().id, pageSize);
    m_allRead = next.size() < pageSize;
    if (next.isEmpty())
        return;
    const int first = static_cast<int>(m_entries.size());
    beginInsertRows({}, first, first + static_cast<int>(next.size()) - 1);
    m_entries += next;
    endInsertRows();
}
