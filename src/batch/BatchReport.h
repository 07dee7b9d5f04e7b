#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Why one slip of a batch is not output: its row (1 for the first row after a table's header, or
// the place in a selection), the column that is wrong (empty for the row as a whole) and the reason.
struct RowProblem
{
    int row = 0;
    QString column;
    QString message;
    QString rowName = {}; // what the clerk knows the row by where it is no table row (a partner's name)

    // The row as the report shows it: its name, or its number.
    QString rowLabel() const { return rowName.isEmpty() ? QString::number(row) : rowName; }

    bool operator==(const RowProblem &) const = default;
};

// The report as a CSV file ("redak;stupac;poruka" and a line per problem), for a spreadsheet.
QByteArray reportCsv(const QList<RowProblem> &problems);

// The rows named in the report, each once, in order.
QList<int> refusedRows(const QList<RowProblem> &problems);
