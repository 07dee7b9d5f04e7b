#include "RenderOptions.h"

#include "OutputGuard.h"
#include "ToolModes.h"

#include "model/UserError.h"
#include "model/WholeNumber.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// One option of the command line: its names (the long one first), its value's name (empty for a
// switch), its line of the usage, how its value goes into the options, and whether the value names
// a file that is read.
struct OptionSpec
{
    QStringList names;
    QString valueName;
    QString help;
    void (*read)(RenderOptions &options, const QString &value);
    bool namesInput = false;
};

// A pair of whole numbers written "A<separator>B".
std::pair<int, int> numberPair(const QString &text, QChar separator, const QString &option)
{
    const QStringList parts = text.split(separator);
    if (parts.size() != 2)
        throw UserError(
            u"--%1 expects two numbers separated by '%2', not '%3'"_s.arg(option, separator, text));
    return {StrToInt(parts[0]), StrToInt(parts[1])};
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

void readFormat(RenderOptions &options, const QString &name)
{
    if (name == "png"_L1)
        options.format = RenderOptions::Format::Png;
    else if (name == "pdf"_L1)
        options.format = RenderOptions::Format::Pdf;
    else if (name == "ops"_L1)
        options.format = RenderOptions::Format::Ops;
    else
        throw UserError(u"unknown format '%1' (png, pdf or ops)"_s.arg(name));
}

void readStyle(RenderOptions &options, const QString &name)
{
    if (name == "print"_L1)
        options.style = RenderOptions::Style::Print;
    else if (name != "preview"_L1)
        throw UserError(u"unknown style '%1' (preview or print)"_s.arg(name));
}

void readSize(RenderOptions &options, const QString &value)
{
    options.sizeGiven = true;
    std::tie(options.previewWidth, options.previewHeight) = numberPair(value, u'x', u"size"_s);
    if (options.previewWidth < 0 || options.previewHeight < 0)
        throw UserError(u"--size must not be negative"_s);
    // Larger frames would ask for fonts thousands of pixels high and images no viewer opens.
    constexpr int largestSide = 32000;
    if (options.previewWidth > largestSide || options.previewHeight > largestSide)
        throw UserError(u"--size must be at most %1x%1"_s.arg(largestSide));
}

void readPerPage(RenderOptions &options, const QString &count)
{
    if (count != "1"_L1 && count != "3"_L1)
        throw UserError(u"--per-page is 1 or 3, not '%1'"_s.arg(count));
    options.slipsPerPage = count.toInt();
}

void readSchema(RenderOptions &options, const QString &name)
{
    if (name == "iso"_L1)
        options.schema = Pain001::Schema::Iso;
    else if (name != "hr"_L1)
        throw UserError(u"--namespace is hr or iso, not '%1'"_s.arg(name));
}

void noValue(RenderOptions &, const QString &) {}

// Every option of every mode, in the order the usage lists them and their values are read.
const QList<OptionSpec> &optionSpecs()
{
    static const QList<OptionSpec> specs{
        {{u"output"_s, u"o"_s},
         u"OUT"_s,
         u"the file to write; /dev/stdout writes to standard output"_s,
         [](RenderOptions &o, const QString &v) { o.outPath = v; }},
        {{u"check"_s}, {}, u"a JSON line per account and reference; exit 1 if one is wrong"_s, noValue},
        {{u"payload"_s}, {}, u"a HUB-3A file's barcode text (UTF-8) on standard output"_s, noValue},
        {{u"format"_s},
         u"png|pdf|ops"_s,
         u"default: from OUT's extension (.png, .pdf; .jsonl for ops)"_s,
         readFormat},
        {{u"style"_s}, u"preview|print"_s, u"default preview"_s, readStyle},
        {{u"size"_s},
         u"WxH"_s,
         u"preview frame size in pixels, default 610x350 (HUB-3A: 1680x792)"_s,
         readSize},
        {{u"mode"_s},
         u"complete|template|data"_s,
         u"print style and --batch, default complete"_s,
         [](RenderOptions &o, const QString &v) { o.mode = modeOf(v); }},
        {{u"calibration"_s},
         u"W,H"_s,
         u"print style: RectWidth,RectHeight in mm, default 8,8"_s,
         [](RenderOptions &o, const QString &v) {
             std::tie(o.rectWidth, o.rectHeight) = numberPair(v, u',', u"calibration"_s);
         }},
        {{u"perforation"_s},
         {},
         u"print style: shift by 11 mm"_s,
         [](RenderOptions &o, const QString &) { o.perforation = true; }},
        {{u"offset"_s},
         u"DX,DY"_s,
         u"print style: dX device units, dY mm, default 0,0"_s,
         [](RenderOptions &o, const QString &v) { std::tie(o.dX, o.dY) = numberPair(v, u',', u"offset"_s); }},
        {{u"place"_s},
         u"TEXT"_s,
         u"the shared place (a transfer-order file does not carry it)"_s,
         [](RenderOptions &o, const QString &v) { o.place = v; }},
        {{u"date"_s},
         u"TEXT"_s,
         u"the shared date (a transfer-order file does not carry it)"_s,
         [](RenderOptions &o, const QString &v) { o.date = v; }},
        {{u"batch"_s},
         u"TABLE.csv"_s,
         u"HUB-3A slips, one per row, to a PDF or a bank file; rows refused as JSON lines on standard error"_s,
         [](RenderOptions &o, const QString &v) { o.batchPath = v; },
         true},
        {{u"per-page"_s},
         u"1|3"_s,
         u"--batch: a 210x99 mm page per slip or three on A4 (default 3)"_s,
         readPerPage},
        {{u"base"_s},
         u"HUB3AFILE"_s,
         u"--batch: the fields of columns the table does not have"_s,
         [](RenderOptions &o, const QString &v) { o.basePath = v; },
         true},
        {{u"allow-repeat"_s},
         {},
         u"--batch: also rows the payments book holds as paid (JSON lines; exit 1 when one was left out)"_s,
         [](RenderOptions &o, const QString &) { o.allowRepeat = true; }},
        {{u"namespace"_s},
         u"hr|iso"_s,
         u"the Croatian schema's namespace (scthr, default) or the plain ISO one"_s,
         readSchema},
        {{u"instant"_s},
         {},
         u"instant orders (sctinsthr, LclInstrm INST), in a file of their own"_s,
         [](RenderOptions &o, const QString &) { o.instant = true; }},
        {{u"status"_s},
         u"REPORT.xml"_s,
         u"the bank's pain.002 answer: a JSON line per refused order; -o REFUSED.csv keeps them as a table"_s,
         [](RenderOptions &o, const QString &v) { o.statusPath = v; },
         true},
        {{u"scan"_s},
         {},
         u"HUB-3 and EPC QR barcodes of PDFs and images: a table row each (OUT.csv), or the "
         "slip file of the only one (SLIP.txt); files and pages without one as JSON lines"_s,
         noValue},
        {{u"book"_s},
         {},
         u"the payments book as a table: the batch table's columns, then how each payment left and its state"_s,
         noValue},
        {{u"statement"_s},
         {},
         u"the bank's camt.053/054 statements matched against the payments book: a JSON line per "
         "entry no payment stands for; -o UNMATCHED.csv keeps them as a table"_s,
         noValue},
        {{u"state"_s},
         u"STATE"_s,
         u"--book: only payments now prepared, sent, refused, accepted, booked or received"_s,
         [](RenderOptions &o, const QString &v) { o.bookState = v; }},
        {{u"from"_s},
         u"DAY"_s,
         u"--book: only payments that left from this day (yyyy-mm-dd)"_s,
         [](RenderOptions &o, const QString &v) { o.bookFrom = v; }},
        {{u"to"_s},
         u"DAY"_s,
         u"--book: only payments that left up to this day (yyyy-mm-dd)"_s,
         [](RenderOptions &o, const QString &v) { o.bookTo = v; }},
        {{u"help"_s, u"h"_s}, {}, u"this text"_s, noValue},
    };
    return specs;
}

const OptionSpec &specOf(const QString &name)
{
    const QList<OptionSpec> &specs = optionSpecs();
    return *std::find_if(specs.begin(), specs.end(),
                         [&](const OptionSpec &option) { return option.names.contains(name); });
}

QString dashed(const QString &name)
{
    return (name.size() == 1 ? u"-"_s : u"--"_s) + name;
}

QString suffixOf(const QString &path)
{
    return QFileInfo(path).suffix().toLower();
}

// ".pdf or .xml"
QString kindsText(const QList<const ToolMode *> &modes)
{
    QStringList kinds;
    for (const ToolMode *mode : modes) {
        for (const QString &kind : mode->outputKinds) {
            if (!kinds.contains(u'.' + kind))
                kinds.append(u'.' + kind);
        }
    }
    const QString last = kinds.isEmpty() ? QString() : kinds.takeLast();
    return kinds.isEmpty() ? last : kinds.join(u", "_s) + u" or "_s + last;
}

bool takesEvery(const ToolMode &mode, const QStringList &given)
{
    return std::all_of(given.begin(), given.end(), [&](const QString &name) {
        return name == mode.selector || name == "output"_L1 || name == "help"_L1 ||
               mode.options.contains(name);
    });
}

// The mode the options ask for: by its selector, then by the output's extension, then by the options
// only it takes.
const ToolMode &chooseMode(const QStringList &given, const QString &outPath)
{
    QStringList selectors;
    QList<const ToolMode *> candidates;
    for (const ToolMode &mode : toolModes()) {
        if (!mode.selector.isEmpty() && given.contains(mode.selector) && !selectors.contains(mode.selector))
            selectors.append(mode.selector);
    }
    if (selectors.size() > 1)
        throw UserError(u"--%1 does not go with --%2"_s.arg(selectors[1], selectors[0]));
    const QString selector = selectors.value(0);
    for (const ToolMode &mode : toolModes()) {
        if (mode.selector == selector)
            candidates.append(&mode);
    }
    const QString suffix = suffixOf(outPath);
    if (!suffix.isEmpty()) {
        QList<const ToolMode *> byKind;
        for (const ToolMode *mode : candidates) {
            if (mode->output == ToolMode::Output::None || mode->outputKinds.contains(suffix))
                byKind.append(mode);
        }
        if (byKind.isEmpty())
            throw UserError(u"%1 writes %2, not '%3'"_s.arg(
                selector.isEmpty() ? u"a slip file"_s : dashed(selector), kindsText(candidates), outPath));
        candidates = byKind;
    }
    for (const ToolMode *mode : candidates) {
        if (takesEvery(*mode, given))
            return *mode;
    }
    return *candidates.constFirst();
}

void checkFits(const ToolMode &mode, const QStringList &given, const RenderOptions &options)
{
    for (const QString &name : given) {
        if (name == "output"_L1 && mode.output == ToolMode::Output::None)
            throw UserError(u"%1 writes to standard output; it takes no -o"_s.arg(mode.name));
        if (!takesEvery(mode, {name}))
            throw UserError(u"--%1 does not go with %2"_s.arg(name, mode.name));
    }
    const qsizetype files = options.inputs.size();
    if ((mode.inputs == ToolMode::Inputs::None && files != 0) ||
        (mode.inputs == ToolMode::Inputs::One && files != 1) ||
        (mode.inputs == ToolMode::Inputs::Many && files == 0))
        throw UserError(mode.inputError);
    if (mode.output == ToolMode::Output::Required && options.outPath.isEmpty())
        throw UserError(u"missing -o %1"_s.arg(mode.outputName));
}

} // namespace

QString renderUsage()
{
    QString usage;
    for (const ToolMode &mode : toolModes())
        usage +=
            (usage.isEmpty() ? u"Usage: "_s : u"       "_s) + u"zorprint-render "_s + mode.synopsis + u'\n';
    for (const OptionSpec &option : optionSpecs()) {
        QStringList names;
        for (auto name = option.names.crbegin(); name != option.names.crend(); ++name)
            names.append(dashed(*name));
        QString head = u"  "_s + names.join(u", "_s);
        if (!option.valueName.isEmpty())
            head += u' ' + option.valueName;
        // The help in a column of its own, wrapped at word ends.
        constexpr int helpColumn = 32, lineWidth = 100;
        QString line = head.leftJustified(helpColumn - 1);
        for (const QString &word : option.help.split(u' ')) {
            if (line.size() >= helpColumn && line.size() + word.size() > lineWidth) {
                usage += line + u'\n';
                line = QString(helpColumn - 1, u' ');
            }
            line += u' ' + word;
        }
        usage += line + u'\n';
    }
    return usage +
           u"Exit status: 0 done; 1 some rows or files refused, or a check failed; 2 bad options or input,\n"
           "or an output that is one of the inputs or cannot be written.\n"_s;
}

RenderOptions parseRenderOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionSpec &option : optionSpecs())
        parser.addOption(QCommandLineOption(option.names, option.help, option.valueName));
    if (!parser.parse(arguments))
        throw UserError(parser.errorText());
    RenderOptions options;
    options.inputs = parser.positionalArguments();
    QStringList inputPaths = options.inputs;
    for (const OptionSpec &option : optionSpecs()) {
        if (!parser.isSet(option.names.constFirst()))
            continue;
        options.given.append(option.names.constFirst());
        if (option.namesInput)
            inputPaths.append(parser.value(option.names.constFirst()));
    }
    if (options.given.contains("help"_L1)) {
        options.helpRequested = true;
        return options;
    }
    // Before anything else is said of the output: whatever it was meant to be, it must not replace
    // a file that is read.
    refuseOutputOverAnInput(parser.value(u"output"_s), inputPaths);
    const ToolMode &mode = chooseMode(options.given, parser.value(u"output"_s));
    options.tool = &mode;
    options.outPath = parser.value(u"output"_s);
    checkFits(mode, options.given, options);
    for (const QString &name : options.given)
        specOf(name).read(options, parser.value(name));
    if (mode.inputs == ToolMode::Inputs::One)
        options.slipPath = options.inputs.constFirst();
    if (mode.finish)
        mode.finish(options);
    return options;
}
