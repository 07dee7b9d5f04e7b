#pragma once

#include "bankfile/BankOrders.h"
#include "bankfile/Pain001Checks.h"
#include "bankfile/Pain001Options.h"

#include <QDate>
#include <QList>

#include <vector>

namespace Pain001 {

// What writing made: the orders written, their sum, and the orders refused with why.
struct Result
{
    int written = 0;
    qint64 totalCents = 0;
    int groups = 0;
    QList<OrderProblem> refused;
};

// The orders of one PmtInf: same payer (IBAN, name, address), execution date and urgency.
struct Group
{
    qsizetype first = 0; // the order whose payer the group takes
    QDate date;
    bool urgent = false;
    qint64 cents = 0;
    std::vector<qsizetype> orders;
};

// The orders checked and grouped: what write() needs before the first byte.
struct Plan
{
    Result result;
    std::vector<Group> groups;
    bool rowsUnique = true; // InstrId by the order's row, or by its place where rows repeat
};

// Checks every order and groups those that pass by payer, execution date and urgency, in the
// order each group's first order comes.
Plan planFile(const BankOrders &orders, const Options &options);

} // namespace Pain001
