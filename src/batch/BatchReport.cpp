#include "batch/BatchReport.h"

#include "model/CsvTable.h"

#include <QSet>

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
    QSet<int> named;
    for (const RowProblem &problem : problems) {
        if (!named.contains(problem.row)) {
            named.insert(problem.row);
            rows.append(problem.row);
        }
    }
    return rows;
}
