#include "SlipRun.h"

#include "CheckOutput.h"
#include "Hub3aOutput.h"
#include "RenderOptions.h"
#include "RenderOutput.h"
#include "SlipDrawing.h"
#include "StandardOutput.h"
#include "ToolReport.h"
#include "model/Hub3aPayload.h"
#include "model/Hub3aRules.h"
#include "model/SlipFile.h"
#include "model/TextFile.h"
#include "model/UserError.h"
#include "payments/Hub3aChecks.h"

using namespace Qt::StringLiterals;

namespace {

using ToolReport::exitAllDone;
using ToolReport::exitBadInput;
using ToolReport::exitNotWritten;
using ToolReport::exitSomeRefused;

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

// A slip is drawn or put into a barcode only when it can pay (hub3aSlipProblems); a blank template
// carries no payment. A UserError naming the file and each problem otherwise.
void requirePayable(const Hub3aRecord &record, const QString &path)
{
    if (const QList<Hub3aProblem> problems = hub3aSlipProblems(record); !problems.isEmpty())
        throw UserError(u"%1: %2"_s.arg(path, hub3aProblemsText(problems).replace(u'\n', u"; "_s)));
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

} // namespace

int runDraw(const RenderOptions &options, QTextStream &, QTextStream &errors)
{
    QByteArray bytes;
    try {
        if (const std::optional<Hub3aRecord> hub3a = loadHub3a(options.slipPath)) {
            if (options.mode != PrintMode::Template)
                requirePayable(*hub3a, options.slipPath);
            bytes = renderHub3a(*hub3a, options);
        } else {
            bytes = renderBytes(SlipDrawing(loadSlip(options.slipPath), options), options.format);
        }
    } catch (const UserError &e) {
        ToolReport::failure(errors, e.text());
        return exitBadInput;
    }
    try {
        TextFile::writeOutput(options.outPath, bytes);
    } catch (const UserError &e) {
        ToolReport::failure(errors, options.outPath, e.text());
        return exitNotWritten;
    }
    return exitAllDone;
}

int runCheck(const RenderOptions &options, QTextStream &out, QTextStream &errors)
{
    CheckOutput checked;
    try {
        const std::optional<Hub3aRecord> hub3a = loadHub3a(options.slipPath);
        checked = hub3a ? CheckOutput::of(*hub3a) : CheckOutput::of(loadSlip(options.slipPath));
    } catch (const UserError &e) {
        ToolReport::failure(errors, e.text());
        return exitBadInput;
    }
    out << QString::fromUtf8(checked.lines);
    return afterWritingOut(out, errors, checked.anyInvalid ? exitSomeRefused : exitAllDone);
}

int runPayload(const RenderOptions &options, QTextStream &out, QTextStream &errors)
{
    QString text;
    try {
        const std::optional<Hub3aRecord> hub3a = loadHub3a(options.slipPath);
        if (!hub3a)
            throw UserError(u"%1: --payload reads HUB-3A slip files"_s.arg(options.slipPath));
        requirePayable(*hub3a, options.slipPath);
        const std::optional<QString> payload = hub3aPayloadText(*hub3a);
        if (!payload)
            throw UserError(u"%1: the amount '%2' is not an amount"_s.arg(options.slipPath,
                                                                          (*hub3a)[Hub3aField::Amount]));
        text = *payload;
    } catch (const UserError &e) {
        ToolReport::failure(errors, e.text());
        return exitBadInput;
    }
    out << text;
    return afterWritingOut(out, errors, exitAllDone);
}
