#include "RenderOptions.h"

#include "BankFileOptions.h"
#include "BookRun.h"

#include "model/UserError.h"
#include "model/WholeNumber.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

// A pair of whole numbers written "A<separator>B".
std::pair<int, int> numberPair(const QString &text, QChar separator, const QString &option)
{
    const QStringList parts = text.split(separator);
    if (parts.size() != 2)
        throw UserError(
            u"--%1 expects two numbers separated by '%2', not '%3'"_s.arg(option, separator, text));
    return {StrToInt(parts[0]), StrToInt(parts[1])};
}

RenderOptions::Format formatOf(const QString &name, const QString &outPath)
{
    const QString format = name.isEmpty() ? QFileInfo(outPath).suffix().toLower() : name;
    if (format == "png"_L1)
        return RenderOptions::Format::Png;
    if (format == "pdf"_L1)
        return RenderOptions::Format::Pdf;
    if (format == "ops"_L1 || (name.isEmpty() && format == "jsonl"_L1))
        return RenderOptions::Format::Ops;
    if (name.isEmpty())
        throw UserError(u"cannot tell the format from '%1'; use --format png|pdf|ops"_s.arg(outPath));
    throw UserError(u"unknown format '%1' (png, pdf or ops)"_s.arg(name));
}

PrintMode modeOf(const QString &name)
{
    if (name == "complete"_L1)
        return PrintMode::Complete;
    if (name == "template"_L1)
        return PrintMode::Template;
    if (name == "data"_L1)
        return PrintMode::DataOnly;
    throw UserError(u"unknown mode '%1' (complete, template or data)"_s.arg(name));
}

// The options zorprint-render knows, and the command line parsed against them.
struct CommandLine
{
    QCommandLineParser parser;
    const QCommandLineOption out{{u"o"_s, u"output"_s}, QString(), u"OUT"_s};
    const QCommandLineOption format{u"format"_s, QString(), u"FORMAT"_s};
    const QCommandLineOption style{u"style"_s, QString(), u"STYLE"_s, u"preview"_s};
    const QCommandLineOption size{u"size"_s, QString(), u"WxH"_s};
    const QCommandLineOption mode{u"mode"_s, QString(), u"MODE"_s};
    const QCommandLineOption calibration{u"calibration"_s, QString(), u"W,H"_s};
    const QCommandLineOption perforation{u"perforation"_s};
    const QCommandLineOption offset{u"offset"_s, QString(), u"DX,DY"_s};
    const QCommandLineOption place{u"place"_s, QString(), u"TEXT"_s};
    const QCommandLineOption date{u"date"_s, QString(), u"TEXT"_s};
    const QCommandLineOption help{QStringList{u"h"_s, u"help"_s}};
    const QCommandLineOption check{u"check"_s};
    const QCommandLineOption payload{u"payload"_s};
    const QCommandLineOption batch{u"batch"_s, QString(), u"TABLE"_s};
    const QCommandLineOption perPage{u"per-page"_s, QString(), u"N"_s};
    const QCommandLineOption base{u"base"_s, QString(), u"HUB3AFILE"_s};
    const QCommandLineOption allowRepeat{u"allow-repeat"_s};

    explicit CommandLine(const QStringList &arguments)
    {
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({out, format, style, size, mode, calibration, perforation, offset, place, date,
                           help, check, payload, batch, perPage, base, allowRepeat});
        if (!parser.parse(arguments))
            throw UserError(parser.errorText());
    }

    bool isSet(const QCommandLineOption &option) const { return parser.isSet(option); }
    QString value(const QCommandLineOption &option) const { return parser.value(option); }
    QString outPath(const QString &missing) const
    {
        if (!isSet(out) || value(out).isEmpty())
            throw UserError(missing);
        return value(out);
    }
};

// --batch TABLE -o OUT.pdf with its own options; the slip-file options do not apply.
RenderOptions batchOptions(const CommandLine &line)
{
    if (!line.parser.positionalArguments().isEmpty())
        throw UserError(u"--batch reads its table, not a slip file"_s);
    for (const QString &name : line.parser.optionNames()) {
        static const QStringList batchNames{u"batch"_s, u"o"_s,    u"output"_s,      u"per-page"_s,
                                            u"mode"_s,  u"base"_s, u"allow-repeat"_s};
        if (!batchNames.contains(name))
            throw UserError(u"--%1 does not go with --batch"_s.arg(name));
    }
    RenderOptions options;
    options.batchPath = line.value(line.batch);
    options.allowRepeat = line.isSet(line.allowRepeat);
    options.outPath = line.outPath(u"missing -o OUT.pdf"_s);
    options.format = RenderOptions::Format::Pdf;
    // A device such as /dev/stdout has no suffix; a file named for another kind would hold a PDF.
    if (const QString suffix = QFileInfo(options.outPath).suffix();
        !suffix.isEmpty() && suffix.toLower() != "pdf"_L1)
        throw UserError(u"--batch piše samo PDF, a ne '%1'"_s.arg(options.outPath));
    if (line.isSet(line.mode))
        options.mode = modeOf(line.value(line.mode));
    if (line.isSet(line.perPage)) {
        const QString count = line.value(line.perPage);
        if (count != "1"_L1 && count != "3"_L1)
            throw UserError(u"--per-page is 1 or 3, not '%1'"_s.arg(count));
        options.slipsPerPage = count.toInt();
    }
    options.basePath = line.value(line.base);
    return options;
}

// --check and --payload write to standard output instead of drawing.
RenderOptions standardOutputOptions(const CommandLine &line, RenderOptions options)
{
    const bool check = line.isSet(line.check);
    if (line.isSet(line.out))
        throw UserError(
            u"--%1 writes to standard output; it takes no -o"_s.arg(check ? u"check"_s : u"payload"_s));
    options.check = check;
    options.payload = !check;
    return options;
}

// --size for the preview style.
void readPreviewSize(const CommandLine &line, RenderOptions &options)
{
    if (!line.isSet(line.size))
        return;
    options.sizeGiven = true;
    std::tie(options.previewWidth, options.previewHeight) =
        numberPair(line.value(line.size), u'x', u"size"_s);
    if (options.previewWidth < 0 || options.previewHeight < 0)
        throw UserError(u"--size must not be negative"_s);
    // Larger frames would ask for fonts thousands of pixels high and images no viewer opens.
    constexpr int largestSide = 32000;
    if (options.previewWidth > largestSide || options.previewHeight > largestSide)
        throw UserError(u"--size must be at most %1x%1"_s.arg(largestSide));
}

// --mode, --calibration, --perforation and --offset for the print style.
void readPrintFrame(const CommandLine &line, RenderOptions &options)
{
    if (line.isSet(line.mode))
        options.mode = modeOf(line.value(line.mode));
    if (line.isSet(line.calibration))
        std::tie(options.rectWidth, options.rectHeight) =
            numberPair(line.value(line.calibration), u',', u"calibration"_s);
    options.perforation = line.isSet(line.perforation);
    if (line.isSet(line.offset))
        std::tie(options.dX, options.dY) = numberPair(line.value(line.offset), u',', u"offset"_s);
}

// A slip file drawn to -o OUT in the preview or the print style.
RenderOptions drawingOptions(const CommandLine &line, RenderOptions options)
{
    options.outPath = line.outPath(u"missing -o OUT"_s);
    options.format = formatOf(line.value(line.format), options.outPath);
    const QString styleName = line.value(line.style);
    if (styleName == "print"_L1) {
        options.style = RenderOptions::Style::Print;
    } else if (styleName != "preview"_L1) {
        throw UserError(u"unknown style '%1' (preview or print)"_s.arg(styleName));
    }
    const bool print = options.style == RenderOptions::Style::Print;
    for (const QCommandLineOption *printOnly :
         {&line.mode, &line.calibration, &line.perforation, &line.offset}) {
        if (!print && line.isSet(*printOnly))
            throw UserError(u"--%1 needs --style print"_s.arg(printOnly->names().constFirst()));
    }
    if (print && line.isSet(line.size))
        throw UserError(u"--size is for the preview style; the print frame comes from --calibration"_s);
    readPreviewSize(line, options);
    readPrintFrame(line, options);
    if (line.isSet(line.place))
        options.place = line.value(line.place);
    if (line.isSet(line.date))
        options.date = line.value(line.date);
    return options;
}

// Whether two names lead to one existing file (also through links), or are one name for a file not
// made yet.
bool sameFile(const QString &one, const QString &other)
{
    struct stat first
    {
    }, second{};
    if (::stat(QFile::encodeName(one).constData(), &first) == 0 &&
        ::stat(QFile::encodeName(other).constData(), &second) == 0)
        return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
    return QFileInfo(one).absoluteFilePath() == QFileInfo(other).absoluteFilePath();
}

// The output replaces its file: written over an input, it would destroy what it is made from.
void refuseOutputOverAnInput(const QString &output, const QStringList &inputs)
{
    for (const QString &input : inputs) {
        if (!output.isEmpty() && !input.isEmpty() && sameFile(output, input))
            throw UserError(u"izlazna datoteka %1 je i ulazna; odaberite drugu"_s.arg(output));
    }
}

} // namespace

QString renderUsage()
{
    return u"Usage: zorprint-render [options] SLIPFILE -o OUT\n"
           "       zorprint-render SLIPFILE --check\n"
           "       zorprint-render HUB3AFILE --payload\n"
           "       zorprint-render --batch TABLE.csv -o OUT.pdf [--per-page 1|3] [--mode MODE] [--base "
           "HUB3AFILE] [--allow-repeat]\n"
           "       zorprint-render --scan FILE... -o OUT.csv|SLIP.txt\n"
           "  --check                     a JSON line per account and reference; exit 1 if one is wrong\n"
           "  --payload                   a HUB-3A file's barcode text (UTF-8) on standard output\n"
           "  --format png|pdf|ops        default: from OUT's extension (.png, .pdf; .jsonl for ops)\n"
           "  --style preview|print       default preview\n"
           "  --size WxH                  preview frame size in pixels, default 610x350 (HUB-3A: 1680x792)\n"
           "  --mode complete|template|data   print style only, default complete\n"
           "  --calibration W,H           print style: RectWidth,RectHeight in mm, default 8,8\n"
           "  --perforation               print style: shift by 11 mm\n"
           "  --offset DX,DY              print style: dX device units, dY mm, default 0,0\n"
           "  --place TEXT --date TEXT    the shared place and date (a transfer-order file does not carry "
           "them)\n"
           "  --batch TABLE.csv           HUB-3A slips, one per row, to a PDF; rows refused as JSON lines "
           "on\n"
           "                              standard error; exit 1 if a row was refused\n"
           "  --per-page 1|3              --batch: a 210x99 mm page per slip or three on A4 (default 3)\n"
           "  --base HUB3AFILE            --batch: the fields of columns the table does not have\n"
           "  --allow-repeat              --batch: also rows the payments book holds as paid (JSON lines;\n"
           "                              exit 1 when one was left out)\n"
           "  --scan FILE...              HUB-3 and EPC QR barcodes of PDFs and images: a table row each\n"
           "                              (OUT.csv), or the slip file of the only one; files and pages\n"
           "                              without one as JSON lines on standard error; exit 1 if a file\n"
           "                              gave none\n"_s +
           bankFileUsage() + BookRun::bookUsage();
}

RenderOptions parseRenderOptions(const QStringList &arguments)
{
    const CommandLine line(arguments);
    refuseOutputOverAnInput(line.value(line.out),
                            line.parser.positionalArguments() +
                                QStringList{line.value(line.batch), line.value(line.base)});
    RenderOptions options;
    if (line.isSet(line.help)) {
        options.helpRequested = true;
        return options;
    }
    if (line.isSet(line.batch))
        return batchOptions(line);
    for (const QCommandLineOption *batchOnly : {&line.perPage, &line.base, &line.allowRepeat}) {
        if (line.isSet(*batchOnly))
            throw UserError(u"--%1 needs --batch"_s.arg(batchOnly->names().constFirst()));
    }
    if (line.parser.positionalArguments().size() != 1)
        throw UserError(u"expected exactly one slip file"_s);
    options.slipPath = line.parser.positionalArguments().constFirst();
    if (line.isSet(line.check) || line.isSet(line.payload))
        return standardOutputOptions(line, options);
    return drawingOptions(line, options);
}
