#pragma once

#include "batch/Hub3aTable.h"

#include <QDate>
#include <QTextStream>

class PaymentBook;

// What zorprint-render's outputs do with the payments book.
namespace BookRun {

// The slips with those the book holds as paid within the clerk's window left out (unless allow),
// each such slip reported as a JSON line {"row", "paid", "file", "message"} on errors either way.
// repeated is set when any was found.
QList<NumberedSlip> withoutRepeats(const PaymentBook &book, const QList<NumberedSlip> &slips, QDate today,
                                   bool allow, QTextStream &errors, bool &repeated);

} // namespace BookRun
