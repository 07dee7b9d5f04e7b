#include "BankFileRun.h"

#include "BookRun.h"
#include "JsonLine.h"
#include "RenderOptions.h"
#include "StandardOutput.h"
#include "ToolReport.h"
#include "bankfile/Pain001.h"
#include "bankfile/Pain002.h"
#include "batch/BankFileRows.h"
#include "batch/Hub3aTable.h"
#include "book/BookedBankFile.h"
#include "book/PaymentBook.h"
#include "model/Clock.h"
#include "model/Hub3aRules.h"
#include "model/SettingsStore.h"
#include "model/SlipFile.h"
#include "model/TextFile.h"
#include "model/UserError.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

using ToolReport::exitAllDone;
using ToolReport::exitBadInput;
using ToolReport::exitNotWritten;
using ToolReport::exitSomeRefused;

Hub3aRecord slipFile(const QString &path)
{
    std::optional<Hub3aRecord> record;
    try {
        record = SlipFile::loadHub3a(path);
    } catch (const UserError &e) {
        throw UserError(u"%1: %2"_s.arg(path, e.text()));
    }
    return ToolReport::checkedSlip(path, record);
}

} // namespace

int runBankFile(const RenderOptions &options, QTextStream &, QTextStream &errors)
{
    const QString input = options.batchPath.isEmpty() ? options.slipPath : options.batchPath;
    Hub3aTable table;
    try {
        if (options.batchPath.isEmpty()) {
            table.slips = numberedSlips({slipFile(options.slipPath)});
            table.rowCount = 1;
        } else {
            const Hub3aRecord base = options.basePath.isEmpty() ? Hub3aRecord() : slipFile(options.basePath);
            table = readHub3aTable(TextFile::readWhole(options.batchPath), base);
        }
    } catch (const UserError &e) {
        ToolReport::failure(errors, input, e.text());
        return exitBadInput;
    }
    if (!table.baseMissing.isEmpty()) {
        ToolReport::baseMissing(errors, input, table.baseMissing);
        return exitBadInput;
    }
    ToolReport::rowProblems(errors, table.problems);
    Pain001::Result result;
    bool repeated = false;
    try {
        const SystemClock clock;
        const SettingsStore settings(SettingsStore::defaultPath());
        const Pain001::Options fileOptions = Pain001::optionsNow(clock, options.schema, options.instant);
        PaymentBook book = openBookForBankFile(PaymentBook::defaultPath());
        const QList<NumberedSlip> slips = BookRun::withoutRepeats(book, table.slips, fileOptions.today,
                                                                  options.allowRepeat, errors, repeated);
        const BookOrigin origin{options.batchPath.isEmpty() ? BookSource::SlipFile : BookSource::Table,
                                QFileInfo(input).absoluteFilePath(), 0};
        result = saveBookedBankFile(book, options.outPath, BankOrdersOf(slips), fileOptions, origin,
                                    Pain001::settingsMessageCount(settings, fileOptions.today))
                     .result;
    } catch (const UserError &e) {
        ToolReport::failure(errors, options.outPath, e.text());
        return exitNotWritten;
    }
    const bool leftOut = repeated && !options.allowRepeat;
    ToolReport::rowProblems(errors, bankFileRowProblems(result.refused));
    for (const QString &note : result.notes)
        errors << QString::fromUtf8(jsonLine({{"note", note}}));
    const bool allTaken = table.problems.isEmpty() && result.refused.isEmpty() && !leftOut;
    if (result.written == 0) {
        ToolReport::failure(errors, input, u"no order to write"_s);
        return allTaken ? exitBadInput : exitSomeRefused;
    }
    return allTaken ? exitAllDone : exitSomeRefused;
}

int runStatus(const RenderOptions &options, QTextStream &out, QTextStream &errors)
{
    Pain002::Report report;
    try {
        report = *Pain002::readFile(options.statusPath);
    } catch (const UserError &e) {
        ToolReport::failure(errors, options.statusPath, e.text());
        return exitBadInput;
    }
    for (const Pain002::RefusedOrder &refused : report.refused) {
        out << QString::fromUtf8(jsonLine({{"instrId", refused.instrId},
                                           {"endToEndId", refused.endToEndId},
                                           {"amount", refused.amount},
                                           {"recipient", refused.recipient},
                                           {"iban", refused.iban},
                                           {"reason", refused.reason},
                                           {"message", refused.message}}));
    }
    const int status = afterWritingOut(out, errors, report.refused.isEmpty() ? exitAllDone : exitSomeRefused);
    const QList<NumberedSlip> slips = refusedSlips(report);
    // What the table's row could not take as the answer gives it is said, never changed silently.
    for (const auto &[row, refused] : refusedSlipNotes(report))
        errors << QString::fromUtf8(jsonLine(
            {{"row", row}, {"instrId", refused->instrId}, {"message", refused->notes.join(u"; "_s)}}));
    if (!options.outPath.isEmpty() && !slips.isEmpty()) {
        try {
            TextFile::writeOutput(options.outPath, hub3aTableCsv(slips));
        } catch (const UserError &e) {
            ToolReport::failure(errors, options.outPath, e.text());
            return exitNotWritten;
        }
    }
    return status;
}
