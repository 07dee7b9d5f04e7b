#include "RenderTool.h"

#include "CheckOutput.h"
#include "RenderOptions.h"
#include "RenderOutput.h"
#include "SlipDrawing.h"
#include "SlipFile.h"
#include "TextFile.h"
#include "UserError.h"

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

} // namespace

int runRenderTool(const QStringList &arguments, QTextStream &out, QTextStream &errors)
{
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
    QByteArray bytes;
    try {
        if (options.check) {
            const CheckOutput checked = CheckOutput::of(loadSlip(options.slipPath));
            out << QString::fromUtf8(checked.lines);
            return checked.anyInvalid ? exitCheckFailed : exitDone;
        }
        bytes = renderBytes(SlipDrawing(loadSlip(options.slipPath), options), options.format);
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
