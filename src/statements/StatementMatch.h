#pragma once

#include "book/PaymentBook.h"
#include "statements/BankStatement.h"

// A bank statement's entries matched against the payments book: the orders it booked or sent back,
// and the clerk's own slips someone paid.
namespace BankStatement {

enum class Outcome {
    Booked,   // the orders it stands for are booked ("proknjiženo")
    Reversed, // the money came back ("vraćeno"): the order is refused again
    Received, // the clerk's slip was paid ("naplaćeno")
    NotFound, // no payment in the book
    Taken,    // taken from a statement before: nothing changes
    Pending,  // not booked yet: left for a later statement
};

// What came of one entry.
struct EntryOutcome
{
    Outcome outcome = Outcome::NotFound;
    QString account; // the statement's IBAN
    Entry entry;
    QList<BookEntry> payments; // the payments it changed, as they were before
    QString text;              // the state's reason in the book: "proknjiženo 10.12.2026."
};

struct Reconciliation
{
    QList<EntryOutcome> entries; // every entry read, in the order of the file
    qsizetype count(Outcome outcome) const;
};

// Matches the document's booked entries against the book and records what they close, in one write.
// Money out is matched by EndToEndId, then InstrId, then the group a batch was booked as (its count
// and sum checked), then recipient IBAN, amount and reference within a few days of the execution
// date; money in to the slips the clerk printed with the statement's account as recipient, by model
// and reference, then by amount and payer. An entry taken before (the same statement again, an
// overlapping one) changes nothing. file: the statement's path, kept with the entries.
Reconciliation reconcile(PaymentBook &book, const Document &document, const QString &file);

// The entry in one line for lists: "10.12.2026. -125,00 EUR Ana Kovač HR011234-56".
QString entryLine(const EntryOutcome &outcome);

} // namespace BankStatement
