#pragma once

#include "batch/BatchReport.h"
#include "model/Hub3aRules.h"

#include <QList>
#include <QString>
#include <QTextStream>

#include <optional>

// What the tool's modes write on standard error, and the checks of a --base slip file they share.
namespace ToolReport {

// What the tool's exit code says, in every mode: done; some rows or files refused (or a check
// failed); bad options or input, or an output that cannot be written.
constexpr int exitAllDone = 0;
constexpr int exitSomeRefused = 1;
constexpr int exitBadInput = 2;
constexpr int exitNotWritten = 2;

// "zorprint-render: TEXT" and "zorprint-render: PATH: TEXT".
void failure(QTextStream &errors, const QString &text);
void failure(QTextStream &errors, const QString &path, const QString &text);

// One JSON line per problem: {"row", "column", "message"}.
void rowProblems(QTextStream &errors, const QList<RowProblem> &problems);

// The fields every row of the table at path lacks: one message, not one per row.
void baseMissing(QTextStream &errors, const QString &path, const QList<Hub3aProblem> &missing);

// The HUB-3A slip that loading the file at path gave; throws UserError when it gave another kind,
// or a slip whose fields do not pass their checks.
Hub3aRecord checkedSlip(const QString &path, const std::optional<Hub3aRecord> &record);

} // namespace ToolReport
