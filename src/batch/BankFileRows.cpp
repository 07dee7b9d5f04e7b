#include "batch/BankFileRows.h"

QList<RowProblem> bankFileRowProblems(const QList<Pain001::OrderProblem> &refused)
{
    QList<RowProblem> problems;
    for (const Pain001::OrderProblem &problem : refused)
        problems.append(
            {problem.row, problem.field ? hub3aColumn(*problem.field) : QString(), problem.message});
    return problems;
}

QList<NumberedSlip> refusedSlips(const Pain002::Report &report)
{
    QList<Hub3aRecord> slips;
    for (const Pain002::RefusedOrder &refused : report.refused) {
        if (refused.level == Pain002::RefusedOrder::Level::Order)
            slips.append(refused.slip);
    }
    return numberedSlips(slips);
}

QList<RefusedSlipNotes> refusedSlipNotes(const Pain002::Report &report)
{
    QList<RefusedSlipNotes> noted;
    int row = 0;
    for (const Pain002::RefusedOrder &refused : report.refused) {
        if (refused.level != Pain002::RefusedOrder::Level::Order)
            continue;
        ++row;
        if (!refused.notes.isEmpty())
            noted.append({row, &refused});
    }
    return noted;
}
