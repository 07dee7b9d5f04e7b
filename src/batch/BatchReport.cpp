#include "batch/BatchReport.h"

#include "model/CsvTable.h"

QByteArray reportCsv(const QList<RowProblem> &problems)
{
    QList<QStringList> rows{{QStringLiteral("redak"), QStringLiteral("stupac"), QStringLiteral("poruka")}};
    for (const RowProblem &problem : problems)
        rows.append({problem.rowLabel(), problem.column, problem.message});
    return CsvTable::toBytes(rows);
}

QList<int> refusedRows(const QList<RowProblem> &problems)
{
    QList<int> rows;
    for (const RowProblem &problem : problems) {
        if (!rows.contains(problem.row))
            rows.append(problem.row);
    }
    return rows;
}
