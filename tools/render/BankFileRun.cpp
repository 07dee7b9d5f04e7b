#include "BankFileRun.h"

#include "BankFileOptions.h"
#include "BookRun.h"
#include "JsonLine.h"
#include "ToolReport.h"
#include "bankfile/Pain001.h"
#include "bankfile/Pain002.h"
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

QList<RowProblem> rowProblems(const QList<Pain001::OrderProblem> &refused)
{
    QList<RowProblem> problems;
    for (const Pain001::OrderProblem &problem : refused)
        problems.append({problem.row, problem.field ? hub3aColumn(*problem.field) : QString(), problem.message});
    return problems;
}

int writeOrders(const BankFileOptions &options, QTextStream &errors)
{
    Hub3aTable table;
    try {
        if (options.mode == BankFileOptions::Mode::Slip) {
            table.slips.append({1, slipFile(options.inputPath)});
            table.rowCount = 1;
        } else {
            const Hub3aRecord base = options.basePath.isEmpty() ? Hub3aRecord() : slipFile(options.basePath);
            table = readHub3aTable(TextFile::readWhole(options.inputPath), base);
        }
    } catch (const UserError &e) {
        ToolReport::failure(errors, options.inputPath, e.text());
        return exitBadInput;
    }
    if (!table.baseMissing.isEmpty()) {
        ToolReport::baseMissing(errors, options.inputPath, table.baseMissing);
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
        const BookOrigin origin{options.mode == BankFileOptions::Mode::Table ? BookSource::Table
                                                                             : BookSource::SlipFile,
                                QFileInfo(options.inputPath).absoluteFilePath(), 0};
        result = saveBookedBankFile(book, options.outPath, BankOrdersOf(slips), fileOptions, origin,
                                    Pain001::settingsMessageCount(settings, fileOptions.today))
                     .result;
    } catch (const UserError &e) {
        ToolReport::failure(errors, options.outPath, e.text());
        return exitBadInput;
    }
    const bool leftOut = repeated && !options.allowRepeat;
    ToolReport::rowProblems(errors, rowProblems(result.refused));
    for (const QString &note : result.notes)
        errors << QString::fromUtf8(jsonLine({{"note", note}}));
    if (result.written == 0) {
        ToolReport::failure(errors, options.inputPath, u"no order to write"_s);
        return table.problems.isEmpty() && result.refused.isEmpty() && !leftOut ? exitBadInput
                                                                                : exitSomeRefused;
    }
    return table.problems.isEmpty() && result.refused.isEmpty() && !leftOut ? exitAllDone : exitSomeRefused;
}

int readStatus(const BankFileOptions &options, QTextStream &out, QTextStream &errors)
{
    Pain002::Report report;
    try {
        TextFile::checkReadable(options.inputPath);
        report = Pain002::read(TextFile::readWhole(options.inputPath));
    } catch (const UserError &e) {
        ToolReport::failure(errors, options.inputPath, e.text());
        return exitBadInput;
    }
    QList<NumberedSlip> slips;
    for (const Pain002::RefusedOrder &refused : report.refused) {
        out << QString::fromUtf8(jsonLine({{"instrId", refused.instrId},
                                           {"endToEndId", refused.endToEndId},
                                           {"amount", refused.amount},
                                           {"recipient", refused.recipient},
                                           {"iban", refused.iban},
                                           {"reason", refused.reason},
                                           {"message", refused.message}}));
        if (refused.level == Pain002::RefusedOrder::Level::Order) {
            slips.append({static_cast<int>(slips.size()) + 1, refused.slip});
            // What the table's row could not take as the answer gives it is said, never changed silently.
            if (!refused.notes.isEmpty())
                errors << QString::fromUtf8(jsonLine({{"row", static_cast<int>(slips.size())},
                                                      {"instrId", refused.instrId},
                                                      {"message", refused.notes.join(u"; "_s)}}));
        }
    }
    out.flush();
    if (!options.outPath.isEmpty() && !slips.isEmpty()) {
        try {
            TextFile::writeOutput(options.outPath, hub3aTableCsv(slips));
        } catch (const UserError &e) {
            ToolReport::failure(errors, options.outPath, e.text());
            return exitBadInput;
        }
    }
    return report.refused.isEmpty() ? exitAllDone : exitSomeRefused;
}

} // namespace

std::optional<int> runBankFile(const QStringList &arguments, QTextStream &out, QTextStream &errors)
{
    if (!isBankFileCommand(arguments))
        return std::nullopt;
    BankFileOptions options;
    try {
        options = parseBankFileOptions(arguments);
    } catch (const UserError &e) {
        ToolReport::failure(errors, e.text());
        return exitBadInput;
    }
    if (options.mode == BankFileOptions::Mode::Status)
        return readStatus(options, out, errors);
    return writeOrders(options, errors);
}
