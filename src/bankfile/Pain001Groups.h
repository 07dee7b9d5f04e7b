#pragma once

#include "bankfile/BankOrders.h"
#include "bankfile/Pain001Checks.h"
#include "bankfile/Pain001Options.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <vector>

namespace Pain001 {

// What writing made: the orders written, their sum, and the orders refused with why.
struct Result
{
    int written = 0;
    qint64 totalCents = 0;
    int groups = 0;
    QList<OrderProblem> refused;
    // What the file holds in the place of what the slips hold, each once: the payer of orders
    // abroad without Croatian letters ("'Žarko Čučić' zapisan kao 'Zarko Cucic'").
    QStringList notes;
};

// The orders of one PmtInf: same payer (IBAN, name, address), execution date and urgency, and
// either all national or all to recipients abroad, whose group's payer has no Croatian letters.
struct Group
{
    qsizetype first = 0; // the order whose payer the group takes
    QDate date;
    bool urgent = false;
    bool crossBorder = false;
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

// Whether the file's initiating party (InitgPty, the first group's payer) is written without
// Croatian letters: when any group pays abroad, since the header goes with those orders too.
bool latinInitiator(const std::vector<Group> &groups);

// Checks every order and groups those that pass by payer, execution date, urgency and whether
// they pay abroad, in the order each group's first order comes.
Plan planFile(const BankOrders &orders, const Options &options);

} // namespace Pain001
