#include "ToolModes.h"

#include "BankFileRun.h"
#include "BatchRun.h"
#include "BookRun.h"
#include "RenderOptions.h"
#include "ScanRun.h"
#include "SlipRun.h"
#include "StatementRun.h"
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
            throw UserError(
                u"cannot tell the format from '%1'; use --format png|pdf|ops"_s.arg(options.outPath));
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

const QStringList drawingOptions{u"format"_s,      u"style"_s,  u"size"_s,  u"mode"_s, u"calibration"_s,
                                 u"perforation"_s, u"offset"_s, u"place"_s, u"date"_s};

} // namespace

const QList<ToolMode> &toolModes()
{
    using Inputs = ToolMode::Inputs;
    using Output = ToolMode::Output;
    static const QList<ToolMode> modes{
        {.name = u"drawing a slip file"_s,
         .inputs = Inputs::One,
         .inputError = u"expected exactly one slip file"_s,
         .outputName = u"OUT"_s,
         .outputKinds = {u"png"_s, u"pdf"_s, u"jsonl"_s},
         .options = drawingOptions,
         .synopsis = u"[options] SLIPFILE -o OUT.png|OUT.pdf|OPS.jsonl"_s,
         .finish = finishDrawing,
         .run = runDraw},
        {.name = u"--check"_s,
         .selector = u"check"_s,
         .inputs = Inputs::One,
         .inputError = u"expected exactly one slip file"_s,
         .output = Output::None,
         .synopsis = u"SLIPFILE --check"_s,
         .run = runCheck},
        {.name = u"--payload"_s,
         .selector = u"payload"_s,
         .inputs = Inputs::One,
         .inputError = u"expected exactly one HUB-3A slip file"_s,
         .output = Output::None,
         .synopsis = u"HUB3AFILE --payload"_s,
         .run = runPayload},
        {.name = u"--batch to a PDF"_s,
         .selector = u"batch"_s,
         .inputError = u"--batch reads its table, not a slip file"_s,
         .outputName = u"OUT.pdf"_s,
         .outputKinds = {u"pdf"_s},
         .options = {u"per-page"_s, u"mode"_s, u"base"_s, u"allow-repeat"_s},
         .synopsis = u"--batch TABLE.csv -o OUT.pdf [--per-page 1|3] [--mode MODE] [--base HUB3AFILE] "
                     "[--allow-repeat]"_s,
         .finish = finishPdf,
         .run = [](const RenderOptions &options, QTextStream &,
                   QTextStream &errors) { return runBatch(options, errors); }},
        {.name = u"--batch to a bank file"_s,
         .selector = u"batch"_s,
         .inputError = u"--batch reads its table, not a slip file"_s,
         .outputName = u"ORDERS.xml"_s,
         .outputKinds = {u"xml"_s},
         .options = {u"base"_s, u"namespace"_s, u"instant"_s, u"allow-repeat"_s},
         .synopsis = u"--batch TABLE.csv -o ORDERS.xml [--base HUB3AFILE] [--namespace hr|iso] [--instant] "
                     "[--allow-repeat]"_s,
         .run = runBankFile},
        {.name = u"a bank file of a slip file"_s,
         .inputs = Inputs::One,
         .inputError = u"expected exactly one HUB-3A slip file"_s,
         .outputName = u"ORDER.xml"_s,
         .outputKinds = {u"xml"_s},
         .options = {u"namespace"_s, u"instant"_s},
         .synopsis = u"HUB3AFILE -o ORDER.xml [--namespace hr|iso] [--instant]"_s,
         .run = runBankFile},
        {.name = u"--status"_s,
         .selector = u"status"_s,
         .inputError = u"--status reads one report, not a slip file"_s,
         .output = Output::Optional,
         .outputName = u"REFUSED.csv"_s,
         .outputKinds = {u"csv"_s},
         .synopsis = u"--status REPORT.xml [-o REFUSED.csv]"_s,
         .run = runStatus},
        {.name = u"--scan"_s,
         .selector = u"scan"_s,
         .inputs = Inputs::Many,
         .inputError = u"--scan needs at least one PDF or image file"_s,
         .outputName = u"OUT.csv (or -o SLIP.txt)"_s,
         .outputKinds = {u"csv"_s, u"txt"_s},
         .synopsis = u"--scan FILE... -o OUT.csv|SLIP.txt"_s,
         .run = [](const RenderOptions &options, QTextStream &,
                   QTextStream &errors) { return runScan(options, errors); }},
        {.name = u"--book"_s,
         .selector = u"book"_s,
         .inputError = u"--book reads the payments book, not a file"_s,
         .outputName = u"ROWS.csv"_s,
         .outputKinds = {u"csv"_s},
         .options = {u"state"_s, u"from"_s, u"to"_s},
         .synopsis = u"--book [--state STATE] [--from DAY] [--to DAY] -o ROWS.csv"_s,
         .run = [](const RenderOptions &options, QTextStream &,
                   QTextStream &errors) { return BookRun::runBookExport(options, errors); }},
        {.name = u"--statement"_s,
         .selector = u"statement"_s,
         .inputs = Inputs::Many,
         .inputError = u"--statement needs at least one statement file"_s,
         .output = Output::Optional,
         .outputName = u"UNMATCHED.csv"_s,
         .outputKinds = {u"csv"_s},
         .synopsis = u"--statement FILE... [-o UNMATCHED.csv]"_s,
         .run = runStatement},
    };
    return modes;
}
