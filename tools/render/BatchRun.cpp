#include "BatchRun.h"

#include "BookRun.h"
#include "ToolReport.h"
#include "batch/Hub3aTableFile.h"
#include "batch/SlipBatchPdf.h"
#include "book/BookedSlips.h"
#include "book/PaymentBook.h"
#include "model/Hub3aRules.h"
#include "model/SlipFile.h"
#include "model/UserError.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using ToolReport::exitAllDone;
using ToolReport::exitBadInput;
using ToolReport::exitSomeRefused;
constexpr int exitNotWritten = 2;

Hub3aRecord baseRecord(const QString &path)
{
    if (path.isEmpty())
        return {};
    return ToolReport::checkedSlip(path, SlipFile::loadHub3a(path));
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
        ToolReport::failure(errors, e.text());
        return exitNotWritten;
    }
    // The table is read twice, a row at a time: once to check every row and report the refused
    // ones, once while the slips are drawn, so no table is held in memory whole.
    Hub3aTableCheck check;
    SlipSource slips;
    try {
        const Hub3aRecord base = baseRecord(options.basePath);
        check = checkHub3aTableFile(
            options.batchPath, base,
            {[&](const RowProblem &problem) { ToolReport::rowProblems(errors, {problem}); }, {}, {}});
        if (check.baseMissing.isEmpty() && check.validSlips > 0)
            slips = hub3aTableSlips(options.batchPath, base);
    } catch (const UserError &e) {
        ToolReport::failure(errors, options.batchPath, e.text());
        return exitBadInput;
    }
    if (!check.baseMissing.isEmpty()) {
        // Every row would lack the same field: one message, not one per row.
        ToolReport::baseMissing(errors, options.batchPath, check.baseMissing);
        return exitBadInput;
    }
    const bool someRefused = check.validSlips < check.rowCount;
    if (check.validSlips == 0) {
        ToolReport::failure(errors, options.batchPath,
                            u"Nijedan redak tablice nije ispravan: PDF nije zapisan"_s);
        return someRefused ? exitSomeRefused : exitBadInput;
    }
    // Every slip that goes into the PDF is recorded in the payments book; one it holds as paid is
    // left out unless the clerk allows it.
    BatchPdfResult result;
    bool leftOut = false;
    try {
        PaymentBook book(PaymentBook::defaultPath());
        const RepeatCheck repeats = BookRun::repeatCheck(book, QDate::currentDate());
        QList<NumberedSlip> handed;
        const SlipSource unpaid = [&]() -> std::optional<NumberedSlip> {
            while (std::optional<NumberedSlip> slip = slips()) {
                if (const std::optional<BookRepeat> repeat = repeats.find(slip->record)) {
                    BookRun::reportRepeat(errors, slip->row, *repeat);
                    leftOut = leftOut || !options.allowRepeat;
                    if (!options.allowRepeat)
                        continue;
                }
                handed.append(*slip);
                return slip;
            }
            return std::nullopt;
        };
        result =
            writeSlipPdf(options.outPath, unpaid, check.validSlips, {options.slipsPerPage, options.mode});
        QSet<int> unread;
        for (const RowProblem &problem : result.refused)
            unread.insert(problem.row);
        if (result.written > 0)
            recordSlips(book, BankOrdersOf(handed), BookWay::Pdf,
                        QFileInfo(options.outPath).absoluteFilePath(),
                        {BookSource::Table, QFileInfo(options.batchPath).absoluteFilePath(), 0}, unread);
    } catch (const UserError &e) {
        ToolReport::failure(errors, options.outPath, e.text());
        return exitNotWritten;
    }
    ToolReport::rowProblems(errors, result.refused);
    return !someRefused && result.refused.isEmpty() && !leftOut ? exitAllDone : exitSomeRefused;
}
