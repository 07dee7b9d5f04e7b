#pragma once

#include "bankfile/Pain001Checks.h"
#include "bankfile/Pain002.h"
#include "batch/Hub3aTable.h"

// The bank file's orders and the bank's answer in the terms of a batch table, for the window and the
// tool alike.

// The orders a bank file refuses as the refused rows of a table: the row, the field's column, the
// message.
QList<RowProblem> bankFileRowProblems(const QList<Pain001::OrderProblem> &refused);

// The orders the bank refused one by one, as slips of a table numbered from 1, to correct and send
// again; a group or a whole file refused has no slip of its own and is left out.
QList<NumberedSlip> refusedSlips(const Pain002::Report &report);

// What a row of refusedSlips could not take as the answer gives it (RefusedOrder::notes), by row.
struct RefusedSlipNotes
{
    int row;
    const Pain002::RefusedOrder *order;
};
QList<RefusedSlipNotes> refusedSlipNotes(const Pain002::Report &report);
