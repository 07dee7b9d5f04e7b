#include "ScanRun.h"

#include "JsonLine.h"
#include "RenderOptions.h"
#include "ToolReport.h"
#include "batch/ScannedSlips.h"
#include "model/SlipFile.h"
#include "model/TextFile.h"
#include "model/UserError.h"
#include "scan/InvoiceScan.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr int exitEveryFile = ToolReport::exitAllDone;
constexpr int exitSomeFilesGaveNone = ToolReport::exitSomeRefused;
using ToolReport::exitBadInput;
using ToolReport::exitNotWritten;

bool isTable(const QString &path)
{
    return QFileInfo(path).suffix().toLower() == "csv"_L1;
}

QByteArray outputBytes(const QString &path, const QList<ScannedSlip> &slips)
{
    if (isTable(path))
        return ScannedSlips::tableCsv(slips);
    if (slips.size() != 1)
        throw UserError(
            u"pronađeno je %1 bar-kodova, a datoteka naloga prima jedan; zapišite tablicu .csv"_s.arg(
                slips.size()));
    return SlipFile::toBytes(slips.constFirst().record);
}

} // namespace

int runScan(const RenderOptions &options, QTextStream &errors)
{
    QList<ScannedSlip> slips;
    bool unreadable = false;
    bool someGaveNone = false;
    bool someFailed = false;
    for (const FileScan &scan : scanInvoices(options.inputs)) {
        for (const ScanMiss &miss : scan.misses)
            errors << QString::fromUtf8(
                jsonLine({{"file", miss.file}, {"page", miss.page}, {"message", miss.message}}));
        // A slip that cannot pay as read, or whose text was changed to fit the slip, is written
        // all the same for the clerk to mend, and said.
        for (const ScannedSlip &slip : scan.slips) {
            for (const QString &remark : slip.remarks)
                errors << QString::fromUtf8(jsonLine({{"file", slip.file}, {"page", slip.page}, {"note", remark}}));
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
        return exitNotWritten;
    }
    return status;
}
