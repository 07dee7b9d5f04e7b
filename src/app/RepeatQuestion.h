#pragma once

#include "batch/BatchReport.h"
#include "batch/SlipSource.h"
#include "book/RepeatCheck.h"

#include <QHash>
#include <QList>
#include <QSet>

class UserDialogs;

// A row whose slip the book holds as paid.
struct RepeatedRow
{
    int row = 0;
    BookRepeat repeat;
};

// The slips of source that check finds in the book, read to the end; a row of origins is also
// looked for by where it came from (the same invoice).
QList<RepeatedRow> findRepeats(const RepeatCheck &check, const SlipSource &slips,
                               const QHash<int, BookOrigin> &origins = {});

// Asks the clerk whether the repeated rows are paid again: the tab's question when the output holds
// one slip, a list of the possible duplicates when it holds several. Gives the rows left out
// (none when the clerk pays them again); with several slips each is also added to leftOut as a
// possible duplicate, for the output's report.
QSet<int> askAboutRepeats(UserDialogs &dialogs, const QList<RepeatedRow> &repeats, qsizetype slipCount,
                          QList<RowProblem> &leftOut);
