#pragma once

#include "book/BookQuery.h"

#include <QAbstractTableModel>

// The payments of the book a filter lets through, newest first, as a table: day, recipient, amount,
// reference, how it left, state. Rows are read a page at a time as the view scrolls to them
// (canFetchMore / fetchMore), so a book of any size opens as fast as a small one; the totals are
// counted by the book.
class BookTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Day, Recipient, Amount, Reference, Way, State, ColumnCount };
    static constexpr int pageSize = 200;

    explicit BookTableModel(const PaymentBook &book, QObject *parent = nullptr);

    // Shows what filter lets through from its first page.
    void setFilter(const BookFilter &filter);
    // Reads the book again, for payments and states added since.
    void reload() { setFilter(m_filter); }
    const BookFilter &filter() const { return m_filter; }
    const BookTotals &totals() const { return m_totals; }
    const BookEntry &entry(int row) const { return m_entries.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

private:
    const PaymentBook &m_book;
    BookFilter m_filter;
    BookTotals m_totals;
    QList<BookEntry> m_entries;
    bool m_allRead = false;
};

// What the clerk calls a state and a way ("odbijen", "datoteka za banku").
QString bookStateCaption(BookState state);
QString bookWayCaption(BookWay way);
// How a payment left, with its file ("datoteka za banku UN.20261208.0001.xml", "ispis na HP").
QString bookWayText(const BookPayment &payment);
// The recipient's model and reference, or the description when there is no reference.
QString bookReferenceText(const Hub3aRecord &record);
