#include "BatchRun.h"

#include "JsonLine.h"
#include "batch/Hub3aTableFile.h"
#include "batch/SlipBatchPdf.h"
#include "model/Hub3aRules.h"
#include "model/SlipFile.h"
#include "model/UserError.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int exitAllWritten = 0;
constexpr int exitSomeRefused = 1;
constexpr int exitBadInput = 2;
constexpr int exitNotWritten = 2;

Hub3aRecord baseRecord(const QString &path)
{
    if (path.isEmpty())
        return {};
    const std::optional<Hub3aRecord> base = SlipFile::loadHub3a(path);
    if (!base)
        throw UserError(u"%1 is not a HUB-3A slip file"_s.arg(path));
    if (const QList<Hub3aProblem> problems = hub3aFieldProblems(*base); !problems.isEmpty())
        throw UserError(u"%1: %2"_s.arg(path, hub3aProblemsText(problems).replace(u'\n', u"; "_s)));
    return *base;
}

void report(QTextStream &errors, const QList<RowProblem> &problems)
{
    for (const RowProblem &problem : problems) {
        errors << QString::fromUtf8(
            jsonLine({{"row", problem.row}, {"column", problem.column}, {"message", problem.message}}));
    }
}

// Drawing a thousand slips takes a while: a folder that cannot take the PDF is found before.
// A device or a pipe (such as /dev/stdout) is written as it is.
void checkOutputFolder(const QString &path)
{
    const QFileInfo target(path);
    if (target.exists() && !target.isFile() && !target.isDir())
        return;
    const QString folder = target.absolutePath();
    if (target.isDir() || ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        throw UserError(u"Datoteka %1 ne može se stvoriti"_s.arg(path));
}

} // namespace

int runBatch(const RenderOptions &options, QTextStream &errors)
{
    try {
        checkOutputFolder(options.outPath);
    } catch (const UserError &e) {
        errors << "zorprint-render: " << e.text() << '\n';
        return exitNotWritten;
    }
    // The table is read twice, a row at a time: once to check every row and report the refused
    // ones, once while the slips are drawn, so no table is held in memory whole.
    Hub3aTableCheck check;
    SlipSource slips;
    try {
        const Hub3aRecord base = baseRecord(options.basePath);
        check = checkHub3aTableFile(options.batchPath, base,
                                    {[&](const RowProblem &problem) { report(errors, {problem}); }, {}, {}});
        if (check.baseMissing.isEmpty() && check.validSlips > 0)
            slips = hub3aTableSlips(options.batchPath, base);
    } catch (const UserError &e) {
        errors << "zorprint-render: " << options.batchPath << ": " << e.text() << '\n';
        return exitBadInput;
    }
    if (!check.baseMissing.isEmpty()) {
        // Every row would lack the same field: one message, not one per row.
        errors << "zorprint-render: " << options.batchPath << ": neither the table nor --base gives: "
               << hub3aProblemsText(check.baseMissing).replace(u'\n', u"; "_s) << '\n';
        return exitBadInput;
    }
    const bool someRefused = check.validSlips < check.rowCount;
    if (check.validSlips == 0) {
        errors << "zorprint-render: " << options.batchPath << ": no row to write\n";
        return someRefused ? exitSomeRefused : exitBadInput;
    }
    BatchPdfResult result;
    try {
        result = writeSlipPdf(options.outPath, slips, check.validSlips, {options.slipsPerPage, options.mode});
    } catch (const UserError &e) {
        errors << "zorprint-render: " << options.outPath << ": " << e.text() << '\n';
        return exitNotWritten;
    }
    report(errors, result.refused);
    return !someRefused && result.refused.isEmpty() ? exitAllWritten : exitSomeRefused;
}
