#include "book/BookedSlips.h"

#include "book/PaymentBook.h"

void recordSlips(PaymentBook &book, const BankOrders &slips, BookWay way, const QString &wayFile,
                 const BookOrigin &origin, const QSet<int> &skipped)
{
    PaymentBook::Transaction transaction(book);
    BookPayment payment;
    payment.way = way;
    payment.wayFile = wayFile;
    payment.origin = origin;
    const QDateTime now = QDateTime::currentDateTime();
    const BookState state = way == BookWay::Printed ? BookState::Sent : BookState::Prepared;
    for (qsizetype index = 0; index < std::ssize(slips); ++index) {
        if (skipped.contains(slips[index].row))
            continue;
        payment.record = slips[index].record;
        if (origin.source == BookSource::Table)
            payment.origin.place = slips[index].row;
        book.record(transaction, payment, now, state);
    }
    transaction.commit();
}
