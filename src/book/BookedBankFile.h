#pragma once

#include "bankfile/Pain001.h"

#include "book/PaymentBook.h"

#include <QHash>

struct BookedBankFile
{
    Pain001::Result result;
    QString messageId;
};

// The book a bank file takes its id from, opened; UserError saying that no bank file was made when it
// cannot be written.
PaymentBook openBookForBankFile(const QString &path);

// Writes the bank file at path with a message id from the book, and records its orders (with
// their group and order ids) in the same transaction: the id is taken, the file written in full, the
// orders recorded and committed, and only then the file takes its name. Nothing is written when the
// book cannot be (UserError saying why), so no id is ever given twice. origin says where the
// orders came from; a table's orders take their rows as places. counted: the day's files the
// settings counted before the book (Pain001::settingsMessageCount). rowOrigins: the origins of
// orders that each came from an invoice of their own, by the order's row.
BookedBankFile saveBookedBankFile(PaymentBook &book, const QString &path, const BankOrders &orders,
                                  Pain001::Options options, const BookOrigin &origin, int counted = 0,
                                  const QHash<int, BookOrigin> &rowOrigins = {});
