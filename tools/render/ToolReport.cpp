#include "ToolReport.h"

#include "JsonLine.h"
#include "model/UserError.h"

using namespace Qt::StringLiterals;

namespace ToolReport {

void failure(QTextStream &errors, const QString &text)
{
    errors << "zorprint-render: " << text << '\n';
}

void failure(QTextStream &errors, const QString &path, const QString &text)
{
    failure(errors, path + u": "_s + text);
}

void rowProblems(QTextStream &errors, const QList<RowProblem> &problems)
{
    for (const RowProblem &problem : problems) {
        errors << QString::fromUtf8(
            jsonLine({{"row", problem.row}, {"column", problem.column}, {"message", problem.message}}));
    }
}

void baseMissing(QTextStream &errors, const QString &path, const QList<Hub3aProblem> &missing)
{
    failure(errors, path,
            u"neither the table nor --base gives: "_s + hub3aProblemsText(missing).replace(u'\n', u"; "_s));
}

Hub3aRecord checkedSlip(const QString &path, const std::optional<Hub3aRecord> &record)
{
    if (!record)
        throw UserError(u"%1 is not a HUB-3A slip file"_s.arg(path));
    if (const QList<Hub3aProblem> problems = hub3aFieldProblems(*record); !problems.isEmpty())
        throw UserError(u"%1: %2"_s.arg(path, hub3aProblemsText(problems).replace(u'\n', u"; "_s)));
    return *record;
}

} // namespace ToolReport
