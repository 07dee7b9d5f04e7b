#pragma once

#include "book/BookPayment.h"

#include <QByteArray>
#include <QList>

// Payments of the book as a table: the batch table's columns (hub3aColumnNames), so that a row can be
// read back as a slip, then its state and reason, when and how it left with its ids, and where it
// came from.
QByteArray bookTableCsv(const QList<BookEntry> &entries);
