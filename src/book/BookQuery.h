#pragma once

#include "book/BookPayment.h"

#include <QDate>
#include <QList>

class PaymentBook;

// Which payments of the book the clerk looks at. An empty or invalid part lets every payment through.
struct BookFilter
{
    std::optional<BookState> state; // the payment's state now
    QDate from;                     // left on this day or later
    QDate to;                       // left on this day or earlier
    QString recipient;              // a part of the recipient's name
    QString text;                   // a part of any name, account, reference, description or file
};

// How many payments a filter lets through and what they pay together.
struct BookTotals
{
    qint64 count = 0;
    qint64 cents = 0;
};

// One state of a payment, as it was appended.
struct BookEvent
{
    QDateTime at;
    BookState state = BookState::Prepared;
    QString reason;
};

namespace BookQuery {

// No bound on a page's size.
constexpr int wholeBook = -1;

// The payments the filter lets through, newest first, those numbered below before only (0: from the
// newest), at most limit of them. The next page starts below the last one's number, so a page costs
// the same however deep into the book it is.
QList<BookEntry> page(const PaymentBook &book, const BookFilter &filter, qint64 before, int limit);
BookTotals totals(const PaymentBook &book, const BookFilter &filter);
// Every state of a payment, the first first.
QList<BookEvent> events(const PaymentBook &book, qint64 id);

} // namespace BookQuery
