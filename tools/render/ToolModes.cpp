#include "ToolModes.h"

#include "BankFileRun.h"
#include "BatchRun.h"
#include "RenderOptions.h"
#include "ScanRun.h"
#include "SlipRun.h"
#include "model/UserError.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The options of the preview and print styles, and the output's format, taken together.
void finishDrawing(RenderOptions &options)
{
    const bool print = options.style == RenderOptions::Style::Print;
    for (const QString &printOnly : {u"mode"_s, u"calibration"_s, u"perforation"_s, u"offset"_s}) {
        if (!print && options.given.contains(printOnly))
            throw UserError(u"--%1 needs --style print"_s.arg(printOnly));
    }
    if (print && options.sizeGiven)
        throw UserError(u"--size is for the preview style; the print frame comes from --calibration"_s);
    static const QStringList extensions{u"png"_s, u"pdf"_s, u"jsonl"_s};
    const QString suffix = QFileInfo(options.outPath).suffix().toLower();
    if (!options.given.contains("format"_L1)) {
        // A device such as /dev/stdout has no extension to tell the format by.
        if (suffix.isEmpty())
            throw UserError(u"cannot tell the format from '%1'; use --format png|pdf|ops"_s.arg(options.outPath));
        options.format = RenderOptions::Format(extensions.indexOf(suffix));
    } else if (!suffix.isEmpty() && extensions.indexOf(suffix) != int(options.format)) {
        throw UserError(u"--format %1 does not write '%2'"_s.arg(
            QStringList{u"png"_s, u"pdf"_s, u"ops"_s}[int(options.format)], options.outPath));
    }
}

void finishPdf(RenderOptions &options)
{
    options.format = RenderOptions::Format::Pdf;
}

const QStringList drawingOptions{u"format"_s, u"style"_s,  u"size"_s,  u"mode"_s,
                                 u"calibration"_s, u"perforation"_s, u"offset"_s, u"place"_s, u"date"_s};

} // namespace

const QList<ToolMode> &toolModes()
{
    using Inputs = ToolMode::Inputs;
    using Output = ToolMode::Output;
    static const QList<ToolMode> modes{
        {u"drawing a slip file"_s, {}, Inputs::One, u"expected exactly one slip file"_s, Output::Required,
         u"OUT"_s, {u"png"_s, u"pdf"_s, u"jsonl"_s}, drawingOptions,
         u"[options] SLIPFILE -o OUT.png|OUT.pdf|OPS.jsonl"_s, finishDrawing, runDraw},
        {u"--check"_s, u"check"_s, Inputs::One, u"expected exactly one slip file"_s, Output::None, {}, {}, {},
         u"SLIPFILE --check"_s, nullptr, runCheck},
        {u"--payload"_s, u"payload"_s, Inputs::One, u"expected exactly one HUB-3A slip file"_s, Output::None, {},
         {}, {}, u"HUB3AFILE --payload"_s, nullptr, runPayload},
        {u"--batch to a PDF"_s, u"batch"_s, Inputs::None, u"--batch reads its table, not a slip file"_s,
         Output::Required, u"OUT.pdf"_s, {u"pdf"_s}, {u"per-page"_s, u"mode"_s, u"base"_s},
         u"--batch TABLE.csv -o OUT.pdf [--per-page 1|3] [--mode MODE] [--base HUB3AFILE]"_s, finishPdf,
         [](const RenderOptions &options, QTextStream &, QTextStream &errors) { return runBatch(options, errors); }},
        {u"--batch to a bank file"_s, u"batch"_s, Inputs::None, u"--batch reads its table, not a slip file"_s,
         Output::Required, u"ORDERS.xml"_s, {u"xml"_s}, {u"base"_s, u"namespace"_s, u"instant"_s},
         u"--batch TABLE.csv -o ORDERS.xml [--base HUB3AFILE] [--namespace hr|iso] [--instant]"_s, nullptr,
         runBankFile},
        {u"a bank file of a slip file"_s, {}, Inputs::One, u"expected exactly one HUB-3A slip file"_s,
         Output::Required, u"ORDER.xml"_s, {u"xml"_s}, {u"namespace"_s, u"instant"_s},
         u"HUB3AFILE -o ORDER.xml [--namespace hr|iso] [--instant]"_s, nullptr, runBankFile},
        {u"--status"_s, u"status"_s, Inputs::None, u"--status reads one report, not a slip file"_s,
         Output::Optional, u"REFUSED.csv"_s, {u"csv"_s}, {}, u"--status REPORT.xml [-o REFUSED.csv]"_s, nullptr,
         runStatus},
        {u"--scan"_s, u"scan"_s, Inputs::Many, u"--scan needs at least one PDF or image file"_s, Output::Required,
         u"OUT.csv (or -o SLIP.txt)"_s, {u"csv"_s, u"txt"_s}, {}, u"--scan FILE... -o OUT.csv|SLIP.txt"_s, nullptr,
         [](const RenderOptions &options, QTextStream &, QTextStream &errors) { return runScan(options, errors); }},
    };
    return modes;
}
