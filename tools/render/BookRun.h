#pragma once

#include "batch/Hub3aTable.h"

#include <QDate>
#include <QTextStream>

#include <optional>

#include "book/RepeatCheck.h"

class PaymentBook;
struct RenderOptions;

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

// zorprint-render --book [--state STATE] [--from DAY] [--to DAY] -o ROWS.csv: the book's payments
// as a table (the batch table's columns, then how each left and its state). The exit status: 0
// written, 2 bad options, a book that cannot be opened or an output that cannot be written.
int runBookExport(const RenderOptions &options, QTextStream &errors);

} // namespace BookRun
