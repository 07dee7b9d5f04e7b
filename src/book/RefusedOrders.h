#pragma once

#include "book/BookPayment.h"

#include <QDate>
#include <QList>

class PaymentBook;

// The orders "Pošalji ponovno" sends again: of the payments asked for, those the book holds as
// refused now, each as it was sent (every field, urgency and instant).
struct RefusedOrders
{
    QList<BookEntry> orders;
    int leftOut = 0;      // asked for but not refused now (accepted, sent, ...) or not in the book
    bool instant = false; // they were instant orders, and go again as such
    BookOrigin origin;    // where they all came from; typed when they came from different places
};

// Throws UserError when none of the payments is refused, or when instant and ordinary orders are
// asked for together (they go in files of their own).
RefusedOrders refusedOrders(const PaymentBook &book, const QList<qint64> &ids);

// What will be sent again: "Ponovno se šalje naloga: 2, ukupno 1.244,56 EUR, novom oznakom poruke."
// with the count left out when some were.
QString resendSummary(const RefusedOrders &refused);

// How many of the orders have an execution date before today.
int pastExecutionDates(const QList<Hub3aRecord> &orders, QDate today);
// Sets each execution date before today to the first business day from today on.
void movePastExecutionDates(QList<Hub3aRecord> &orders, QDate today);
