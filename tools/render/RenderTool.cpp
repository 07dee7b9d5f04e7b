#include "RenderTool.h"

#include "BankFileRun.h"
#include "BatchRun.h"
#include "BookRun.h"
#include "CheckOutput.h"
#include "Hub3aOutput.h"
#include "RenderOptions.h"
#include "RenderOutput.h"
#include "ScanRun.h"
#include "SlipDrawing.h"
#include "model/Hub3aPayload.h"
#include "model/Hub3aRules.h"
#include "model/SlipFile.h"
#include "model/TextFile.h"
#include "model/UserError.h"
#include "payments/Hub3aChecks.h"

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

constexpr int exitDone = 0;
constexpr int exitNotWritten = 1;
constexpr int exitCheckFailed = 1;
constexpr int exitBadInput = 2;

QByteArray renderBytes(const SlipDrawing &drawing, RenderOptions::Format format)
{
    switch (format) {
    case RenderOptions::Format::Png:
        return RenderOutput::png(drawing);
    case RenderOptions::Format::Pdf:
        return RenderOutput::pdf(drawing);
    case RenderOptions::Format::Ops:
        return RenderOutput::ops(drawing);
    }
    return QByteArray();
}

// The record of a slip file, read as the program's "Učitaj" reads it; failures name the file.
SlipRecord loadSlip(const QString &path)
{
    std::optional<SlipRecord> record;
    try {
        record = SlipFile::load(path);
    } catch (const UserError &e) {
        throw UserError(u"%1: %2"_s.arg(path, e.text()));
    }
    if (!record)
        throw UserError(u"%1: %2"_s.arg(path, SlipFile::loadErrorText()));
    return *record;
}

// The HUB-3A record of a slip file, or nothing when the file holds another kind. A UserError
// naming the file and each field that breaks its rules: nothing is drawn, checked or put into a
// barcode other than the file says.
std::optional<Hub3aRecord> loadHub3a(const QString &path)
{
    std::optional<Hub3aRecord> record;
    try {
        record = SlipFile::loadHub3a(path);
    } catch (const UserError &e) {
        throw UserError(u"%1: %2"_s.arg(path, e.text()));
    }
    if (record) {
        if (const QList<Hub3aProblem> problems = hub3aFieldProblems(*record); !problems.isEmpty())
            throw UserError(u"%1: %2"_s.arg(path, hub3aProblemsText(problems).replace(u'\n', u"; "_s)));
    }
    return record;
}

// A slip is drawn, printed or put into a barcode only when it can pay (hub3aSlipProblems); a blank
// template carries no payment. A UserError naming the file and each problem otherwise.
void requirePayable(const Hub3aRecord &record, const QString &path, bool payment)
{
    if (!payment)
        return;
    if (const QList<Hub3aProblem> problems = hub3aSlipProblems(record); !problems.isEmpty())
        throw UserError(u"%1: %2"_s.arg(path, hub3aProblemsText(problems).replace(u'\n', u"; "_s)));
}

// The barcode's text of a HUB-3A record; a UserError naming the file when its amount is not one.
QString hub3aPayload(const Hub3aRecord &record, const QString &path)
{
    const std::optional<QString> text = hub3aPayloadText(record);
    if (!text)
        throw UserError(u"%1: the amount '%2' is not an amount"_s.arg(path, record[Hub3aField::Amount]));
    return *text;
}

QByteArray renderHub3a(const Hub3aRecord &record, const RenderOptions &options)
{
    switch (options.format) {
    case RenderOptions::Format::Png:
        return Hub3aOutput::png(record, options.mode,
                                options.sizeGiven ? QSize(options.previewWidth, options.previewHeight)
                                                  : Hub3aOutput::defaultSize());
    case RenderOptions::Format::Pdf:
        return Hub3aOutput::pdf(record, options.mode);
    case RenderOptions::Format::Ops:
        return Hub3aOutput::ops(record, options.mode);
    }
    return QByteArray();
}

// Standard output can be a full disk or /dev/full: text that did not get out is an output not written.
int afterWritingOut(QTextStream &out, QTextStream &errors, int status)
{
    errno = 0;
    out.flush();
    if (out.status() == QTextStream::Ok)
        return status;
    errors << "zorprint-render: " << (errno == ENOSPC ? "Disk full" : "Stream write error") << '\n';
    return exitNotWritten;
}

} // namespace

int runRenderTool(const QStringList &arguments, QTextStream &out, QTextStream &errors)
{
    if (isScanCommand(arguments))
        return runScan(arguments, errors);
    if (const std::optional<int> status = runBankFile(arguments, out, errors))
        return *status;
    if (const std::optional<int> status = BookRun::runBookExport(arguments, errors))
        return *status;
    RenderOptions options;
    try {
        options = parseRenderOptions(arguments);
    } catch (const UserError &e) {
        errors << "zorprint-render: " << e.text() << '\n' << renderUsage();
        return exitBadInput;
    }
    if (options.helpRequested) {
        out << renderUsage();
        return exitDone;
    }
    if (!options.batchPath.isEmpty())
        return runBatch(options, errors);
    QByteArray bytes;
    try {
        if (const std::optional<Hub3aRecord> hub3a = loadHub3a(options.slipPath)) {
            requirePayable(*hub3a, options.slipPath,
                           !options.check && (options.payload || options.mode != PrintMode::Template));
            if (options.payload) {
                out << hub3aPayload(*hub3a, options.slipPath);
                return afterWritingOut(out, errors, exitDone);
            }
            if (options.check) {
                const CheckOutput checked = CheckOutput::of(*hub3a);
                out << QString::fromUtf8(checked.lines);
                return afterWritingOut(out, errors, checked.anyInvalid ? exitCheckFailed : exitDone);
            }
            bytes = renderHub3a(*hub3a, options);
        } else if (options.payload) {
            throw UserError(u"%1: --payload reads HUB-3A slip files"_s.arg(options.slipPath));
        } else if (options.check) {
            const CheckOutput checked = CheckOutput::of(loadSlip(options.slipPath));
            out << QString::fromUtf8(checked.lines);
            return afterWritingOut(out, errors, checked.anyInvalid ? exitCheckFailed : exitDone);
        } else {
            bytes = renderBytes(SlipDrawing(loadSlip(options.slipPath), options), options.format);
        }
    } catch (const UserError &e) {
        errors << "zorprint-render: " << e.text() << '\n';
        return exitBadInput;
    }
    try {
        TextFile::writeOutput(options.outPath, bytes);
    } catch (const UserError &e) {
        errors << "zorprint-render: " << options.outPath << ": " << e.text() << '\n';
        return exitNotWritten;
    }
    return exitDone;
}
