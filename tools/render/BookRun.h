#pragma once

#include "batch/Hub3aTable.h"

#include <QDate>
#include <QTextStream>

#include "book/RepeatCheck.h"

class PaymentBook;

// What zorprint-render's outputs do with the payments book.
namespace BookRun {

// The slips with those the book holds as paid within the clerk's window left out (unless allow),
// each such slip reported as a JSON line {"row", "paid", "file", "message"} on errors either way.
// repeated is set when any was found.
QList<NumberedSlip> withoutRepeats(const PaymentBook &book, const QList<NumberedSlip> &slips, QDate today,
                                   bool allow, QTextStream &errors, bool &repeated);

// The repeat check of the clerk's window (setting "BookRepeatDays") as of today.
RepeatCheck repeatCheck(const PaymentBook &book, QDate today);
// A row the book holds as paid, as a JSON line {"row", "paid", "file", "message"} on errors.
void reportRepeat(QTextStream &errors, int row, const BookRepeat &repeat);

} // namespace BookRun
