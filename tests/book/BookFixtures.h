#pragma once

#include "book/PaymentBook.h"

#include <QTemporaryDir>

// A book of its own in a temporary folder for each test.
class TemporaryBook
{
public:
    QString path() const { return m_dir.filePath(QStringLiteral("payments.db")); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

// A payment that left on a day, in its first state, in one transaction.
inline qint64 recordOn(PaymentBook &book, const BookPayment &payment, QDate day,
                       BookState state = BookState::Prepared)
{
    PaymentBook::Transaction transaction(book);
    const qint64 id = book.record(transaction, payment, QDateTime(day, QTime(10, 0)), state);
    transaction.commit();
    return id;
}
