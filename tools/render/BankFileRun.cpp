#include "BankFileRun.h"

#include "BankFileOptions.h"
#include "JsonLine.h"
#include "bankfile/Pain001.h"
#include "bankfile/Pain002.h"
#include "batch/Hub3aTable.h"
#include "model/Clock.h"
#include "model/Hub3aRules.h"
#include "model/SettingsStore.h"
#include "model/SlipFile.h"
#include "model/TextFile.h"
#include "model/UserError.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int exitAllWritten = 0;
constexpr int exitSomeRefused = 1;
constexpr int exitBadInput = 2;

Hub3aRecord slipFile(const QString &path)
{
    std::optional<Hub3aRecord> record;
    try {
        record = SlipFile::loadHub3a(path);
    } catch (const UserError &e) {
        throw UserError(u"%1: %2"_s.arg(path, e.text()));
    }
    if (!record)
        throw UserError(u"%1 is not a HUB-3A slip file"_s.arg(path));
    if (const QList<Hub3aProblem> problems = hub3aFieldProblems(*record); !problems.isEmpty())
        throw UserError(u"%1: %2"_s.arg(path, hub3aProblemsText(problems).replace(u'\n', u"; "_s)));
    return *record;
}

void report(QTextStream &errors, const QList<RowProblem> &problems)
{
    for (const RowProblem &problem : problems) {
        errors << QString::fromUtf8(
            jsonLine({{"row", problem.row}, {"column", problem.column}, {"message", problem.message}}));
    }
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
        errors << "zorprint-render: " << options.inputPath << ": " << e.text() << '\n';
        return exitBadInput;
    }
    if (!table.baseMissing.isEmpty()) {
        errors << "zorprint-render: " << options.inputPath << ": neither the table nor --base gives: "
               << hub3aProblemsText(table.baseMissing).replace(u'\n', u"; "_s) << '\n';
        return exitBadInput;
    }
    report(errors, table.problems);
    Pain001::Result result;
    try {
        const SystemClock clock;
        const SettingsStore settings(SettingsStore::defaultPath());
        const Pain001::Options fileOptions =
            Pain001::optionsNow(clock, settings, options.schema, options.instant);
        result = Pain001::save(options.outPath, BankOrdersOf(table.slips), fileOptions);
    } catch (const UserError &e) {
        errors << "zorprint-render: " << options.outPath << ": " << e.text() << '\n';
        return exitBadInput;
    }
    report(errors, rowProblems(result.refused));
    if (result.written == 0) {
        errors << "zorprint-render: " << options.inputPath << ": no order to write\n";
        return table.problems.isEmpty() && result.refused.isEmpty() ? exitBadInput : exitSomeRefused;
    }
    return table.problems.isEmpty() && result.refused.isEmpty() ? exitAllWritten : exitSomeRefused;
}

int readStatus(const BankFileOptions &options, QTextStream &out, QTextStream &errors)
{
    Pain002::Report report;
    try {
        TextFile::checkReadable(options.inputPath);
        report = Pain002::read(TextFile::readWhole(options.inputPath));
    } catch (const UserError &e) {
        errors << "zorprint-render: " << options.inputPath << ": " << e.text() << '\n';
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
        if (refused.level == Pain002::RefusedOrder::Level::Order)
            slips.append({static_cast<int>(slips.size()) + 1, refused.slip});
    }
    out.flush();
    if (!options.outPath.isEmpty() && !slips.isEmpty()) {
        try {
            TextFile::writeOutput(options.outPath, hub3aTableCsv(slips));
        } catch (const UserError &e) {
            errors << "zorprint-render: " << options.outPath << ": " << e.text() << '\n';
            return exitBadInput;
        }
    }
    return report.refused.isEmpty() ? exitAllWritten : exitSomeRefused;
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
        errors << "zorprint-render: " << e.text() << '\n';
        return exitBadInput;
    }
    if (options.mode == BankFileOptions::Mode::Status)
        return readStatus(options, out, errors);
    return writeOrders(options, errors);
}
