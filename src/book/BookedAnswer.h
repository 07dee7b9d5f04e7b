#pragma once

#include "bankfile/Pain002.h"
#include "book/BookPayment.h"

#include <QDateTime>

class PaymentBook;

// A refused order of the book, exactly as it was sent, with the bank's refusal that names it (the
// order's own, or its group's or the whole file's).
struct RefusedPayment
{
    BookEntry entry;
    Pain002::RefusedOrder refusal;
};

// The bank's answer as the book took it.
struct BookedAnswer
{
    bool known = false;                     // the book holds the file the answer is about
    int orders = 0;                         // the orders the book holds for the file
    QList<RefusedPayment> refused;          // in the file's order
    int accepted = 0;                       // the orders the answer accepts
    QList<Pain002::RefusedOrder> unmatched; // refusals that name no order of the file
};

// Matches every refusal of the report to the orders the book holds for its file (by MsgId, then
// PmtInfId, InstrId and EndToEndId) and records each one refused with the bank's reason, and those
// the report accepts as accepted, in one transaction at the given time. Reading the same answer
// again adds nothing. An answer about a file the book does not know records nothing (known false).
// Throws the book's UserError when it cannot be written.
BookedAnswer recordAnswer(PaymentBook &book, const Pain002::Report &report, const QDateTime &at);

// The refused orders as they were sent, to fix and send again.
QList<Hub3aRecord> sentRecords(const QList<RefusedPayment> &refused);

// The reason a refused order keeps in the book: the codes and what they mean ("AC04: Račun je
// zatvoren").
QString refusalReason(const Pain002::RefusedOrder &refusal);

// What "Pošalji ponovno" sends after a refusal of a group or the whole file, or the advice for an
// answer the book cannot match; empty when the bank refused single orders only.
QString resendAdvice(const Pain002::Report &report, const BookedAnswer &booked);
