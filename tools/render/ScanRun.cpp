#include "ScanRun.h"

#include "JsonLine.h"
#include "ToolReport.h"
#include "batch/Hub3aTable.h"
#include "model/SlipFile.h"
#include "model/TextFile.h"
#include "model/UserError.h"
#include "scan/InvoiceScan.h"

#include <QCommandLineParser>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr int exitEveryFile = ToolReport::exitAllDone;
constexpr int exitSomeFilesGaveNone = ToolReport::exitSomeRefused;
using ToolReport::exitBadInput;

struct ScanOptions
{
    QStringList files;
    QString outPath;
};

// The scan mode takes its files and -o, nothing else.
ScanOptions scanOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption scan{u"scan"_s};
    const QCommandLineOption out{{u"o"_s, u"output"_s}, QString(), u"OUT"_s};
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({scan, out});
    if (!parser.parse(arguments))
        throw UserError(parser.errorText() + u" (--scan takes FILE... -o OUT)"_s);
    ScanOptions options{parser.positionalArguments(), parser.value(out)};
    if (options.files.isEmpty())
        throw UserError(u"--scan needs at least one PDF or image file"_s);
    if (options.outPath.isEmpty())
        throw UserError(u"missing -o OUT.csv (or -o SLIP.txt)"_s);
    const QFileInfo output(options.outPath);
    for (const QString &file : options.files) {
        if (output.exists() && QFileInfo(file).canonicalFilePath() == output.canonicalFilePath())
            throw UserError(u"izlazna datoteka %1 je i ulazna; odaberite drugu"_s.arg(options.outPath));
    }
    return options;
}

bool isTable(const QString &path)
{
    return QFileInfo(path).suffix().toLower() == "csv"_L1;
}

QByteArray outputBytes(const QString &path, const QList<ScannedSlip> &slips)
{
    if (isTable(path)) {
        QList<NumberedSlip> rows;
        for (const ScannedSlip &slip : slips)
            rows.append({int(rows.size()) + 1, slip.record});
        return hub3aTableCsv(rows);
    }
    if (slips.size() != 1)
        throw UserError(
            u"pronađeno je %1 bar-kodova, a datoteka naloga prima jedan; zapišite tablicu .csv"_s.arg(
                slips.size()));
    return SlipFile::toBytes(slips.constFirst().record);
}

} // namespace

bool isScanCommand(const QStringList &arguments)
{
    return arguments.contains("--scan"_L1) || arguments.contains("-scan"_L1);
}

int runScan(const QStringList &arguments, QTextStream &errors)
{
    ScanOptions options;
    try {
        options = scanOptions(arguments);
    } catch (const UserError &e) {
        ToolReport::failure(errors, e.text());
        return exitBadInput;
    }
    QList<ScannedSlip> slips;
    bool unreadable = false;
    bool someGaveNone = false;
    bool someFailed = false;
    for (const FileScan &scan : scanInvoices(options.files)) {
        for (const ScanMiss &miss : scan.misses)
            errors << QString::fromUtf8(
                jsonLine({{"file", miss.file}, {"page", miss.page}, {"message", miss.message}}));
        // A slip that cannot pay as read, or whose text was changed to fit the slip, is written
        // all the same for the clerk to mend, and said.
        for (const ScannedSlip &slip : scan.slips) {
            if (!slip.verdict.isEmpty()) {
                errors << QString::fromUtf8(
                    jsonLine({{"file", slip.file},
                              {"page", slip.page},
                              {"message", QString(slip.verdict).replace(u'\n', u"; "_s)}}));
                someFailed = true;
            }
        }
        slips += scan.slips;
        unreadable = unreadable || scan.unreadable;
        someGaveNone = someGaveNone || scan.slips.isEmpty();
    }
    const int status = unreadable                   ? exitBadInput
                       : someGaveNone || someFailed ? exitSomeFilesGaveNone
                                                    : exitEveryFile;
    if (slips.isEmpty())
        return status;
    try {
        TextFile::writeOutput(options.outPath, outputBytes(options.outPath, slips));
    } catch (const UserError &e) {
        ToolReport::failure(errors, options.outPath, e.text());
        return std::max(status, exitSomeFilesGaveNone);
    }
    return status;
}
