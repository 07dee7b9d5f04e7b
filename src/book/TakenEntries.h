#pragma once

#include <QDate>
#include <QString>

#include "book/PaymentBook.h"

// An entry of a bank statement as the book keeps it once taken, under its key: the bank's entry
// reference, or the entry's own fields.
struct TakenEntry
{
    QString key;
    QString account; // the statement's IBAN
    QDate bookedOn;
    qint64 cents = 0;
    QString currency;
    bool credit = false;
    bool reversal = false;
    QString outcome;      // what came of it: "booked", "reversed", "received", "unmatched"
    qint64 paymentId = 0; // the (first) payment it closed, 0 for none
    QString file;         // the statement it was read from
};

// Whether an entry under key was taken before.
bool statementEntryTaken(const PaymentBook &book, const QString &key);
// Keeps entry as taken.
void takeStatementEntry(PaymentBook &book, const PaymentBook::Transaction &transaction, const TakenEntry &entry);
