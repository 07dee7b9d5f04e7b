#pragma once

#include "book/BookPayment.h"

#include <QList>

class SqliteStatement;

// The start of a query of whole payments, each with its latest state ("p" the payment, "e" its latest
// event); a WHERE or ORDER BY follows.
extern const char *const bookEntrySelect;

// The payment of a row of bookEntrySelect.
BookEntry bookEntryAt(const SqliteStatement &row);
// Every row left of a query of bookEntrySelect.
QList<BookEntry> bookEntriesOf(SqliteStatement &select);
