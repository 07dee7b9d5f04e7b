#include "BankFileOptions.h"

#include "model/UserError.h"

#include <QCommandLineParser>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool isOption(const QString &argument, const QStringList &names)
{
    for (const QString &name : names) {
        if (argument == u"-"_s + name || argument == u"--"_s + name || argument.startsWith(u"--"_s + name + u'=') ||
            argument.startsWith(u"-"_s + name + u'='))
            return true;
    }
    return false;
}

bool isXml(const QString &path)
{
    return QFileInfo(path).suffix().compare("xml"_L1, Qt::CaseInsensitive) == 0;
}

} // namespace

bool isBankFileCommand(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (isOption(argument, {u"status"_s, u"namespace"_s, u"instant"_s}))
            return true;
        if ((argument == "-o"_L1 || argument == "--output"_L1 || argument == "-output"_L1) &&
            i + 1 < arguments.size() && isXml(arguments[i + 1]))
            return true;
        for (const QString &prefix : {u"--output="_s, u"-o="_s, u"-output="_s}) {
            if (argument.startsWith(prefix) && isXml(argument.mid(prefix.size())))
                return true;
        }
    }
    return false;
}

BankFileOptions parseBankFileOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption out{{u"o"_s, u"output"_s}, QString(), u"OUT"_s};
    const QCommandLineOption batch{u"batch"_s, QString(), u"TABLE"_s};
    const QCommandLineOption base{u"base"_s, QString(), u"HUB3AFILE"_s};
    const QCommandLineOption schema{u"namespace"_s, QString(), u"hr|iso"_s};
    const QCommandLineOption instant{u"instant"_s};
    const QCommandLineOption status{u"status"_s, QString(), u"REPORT"_s};
    const QCommandLineOption allowRepeat{u"allow-repeat"_s};
    parser.addOptions({out, batch, base, schema, instant, status, allowRepeat});
    if (!parser.parse(arguments))
        throw UserError(parser.errorText() + u" (uz nalog za banku)"_s);
    BankFileOptions options;
    const QStringList positional = parser.positionalArguments();
    if (parser.isSet(status)) {
        for (const QCommandLineOption *other : {&batch, &base, &schema, &instant, &allowRepeat}) {
            if (parser.isSet(*other))
                throw UserError(u"--%1 does not go with --status"_s.arg(other->names().constLast()));
        }
        if (!positional.isEmpty())
            throw UserError(u"--status reads one report, not '%1'"_s.arg(positional.join(u' ')));
        options.mode = BankFileOptions::Mode::Status;
        options.inputPath = parser.value(status);
        options.outPath = parser.value(out);
        if (!options.outPath.isEmpty() && QFileInfo(options.outPath).suffix().compare("csv"_L1, Qt::CaseInsensitive) != 0)
            throw UserError(u"--status saves the refused orders as a table (.csv), not '%1'"_s.arg(options.outPath));
        return options;
    }
    options.outPath = parser.value(out);
    if (options.outPath.isEmpty())
        throw UserError(u"missing -o ORDERS.xml"_s);
    if (!isXml(options.outPath) && !QFileInfo(options.outPath).suffix().isEmpty())
        throw UserError(u"a bank file is written to a .xml file, not '%1'"_s.arg(options.outPath));
    if (parser.isSet(batch)) {
        if (!positional.isEmpty())
            throw UserError(u"--batch reads its table, not a slip file"_s);
        options.mode = BankFileOptions::Mode::Table;
        options.inputPath = parser.value(batch);
        options.basePath = parser.value(base);
    } else {
        if (parser.isSet(base))
            throw UserError(u"--base needs --batch"_s);
        if (positional.size() != 1)
            throw UserError(u"expected exactly one HUB-3A slip file"_s);
        options.mode = BankFileOptions::Mode::Slip;
        options.inputPath = positional.constFirst();
    }
    if (parser.isSet(schema)) {
        const QString name = parser.value(schema);
        if (name == "iso"_L1)
            options.schema = Pain001::Schema::Iso;
        else if (name != "hr"_L1)
            throw UserError(u"--namespace is hr or iso, not '%1'"_s.arg(name));
    }
    options.instant = parser.isSet(instant);
    options.allowRepeat = parser.isSet(allowRepeat);
    if (options.inputPath == options.outPath || options.basePath == options.outPath)
        throw UserError(u"izlazna datoteka %1 je i ulazna; odaberite drugu"_s.arg(options.outPath));
    return options;
}

QString bankFileUsage()
{
    return u"       zorprint-render --batch TABLE.csv -o ORDERS.xml [--base HUB3AFILE] [--namespace hr|iso] "
           "[--instant] [--allow-repeat]\n"
           "       zorprint-render HUB3AFILE -o ORDER.xml [--namespace hr|iso] [--instant]\n"
           "       zorprint-render --status REPORT.xml [-o REFUSED.csv]\n"
           "  -o ORDERS.xml               a pain.001.001.09 file for internet banking (\"zbrojni nalog\")\n"
           "  --namespace hr|iso          the Croatian schema's namespace (scthr, default) or the plain ISO one\n"
           "  --instant                   instant orders (sctinsthr, LclInstrm INST), in a file of their own\n"
           "  --allow-repeat              also the orders the payments book holds as paid (exit 1 otherwise)\n"
           "  --status REPORT.xml         the bank's pain.002 answer: a JSON line per refused order; exit 1\n"
           "                              if one was refused, 2 if the file is no pain.002 report\n"_s;
}
