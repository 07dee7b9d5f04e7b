#include "InvoiceDocuments.h"
#include "QtPrinters.h"
#include "ToolRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using namespace Qt::StringLiterals;

const QByteArray table =
    "platitelj_naziv;platitelj_ulica;platitelj_mjesto;iban_platitelja;primatelj_naziv;"
    "iban_primatelja;model_primatelja;poziv_primatelja;opis;iznos;datum_izvrsenja;hitno\n"
    "Ivana Horvat;Ilica 1;10000 Zagreb;HR7023400091510946338;Udruga Šapica;"
    "HR1210010051863000160;HR68;8214-12345678903;Donacija;10,00;;\n";

// One file of every kind the modes read, in a folder of the test's own, the day's bank-file counter
// in a settings store there too.
class CommandLine : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_config = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(path(u"config"_s)));
        QByteArray hub3a = testDataBytes("hub3a/full.txt");
        ASSERT_TRUE(writeFileBytes(slip, hub3a.replace("15012026", "15012099")));
        ASSERT_TRUE(writeFileBytes(path(u"slip.xml"_s), hub3a));
        ASSERT_TRUE(writeFileBytes(oldSlip, testDataBytes("uplatnica-full.txt")));
        ASSERT_TRUE(writeFileBytes(rows, table));
        ASSERT_TRUE(writeFileBytes(answer, testDataBytes("bankfile/pain002-refused.xml")));
        InvoiceDocuments::writeVectorPdf(invoice,
                                         {InvoiceDocuments::hub3Payload(InvoiceDocuments::fullSlip())});
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_config); }

    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QByteArray m_config;
    const QString slip = path(u"slip.txt"_s), oldSlip = path(u"old.txt"_s), rows = path(u"rows.csv"_s),
                  answer = path(u"answer.xml"_s), invoice = path(u"invoice.pdf"_s);
};

TEST_F(CommandLine, EachModeTakesItsOwnOptionsAndKindsOfOutput)
{
    const QString out = path(u"out"_s);
    const struct
    {
        QStringList arguments;
        const char *message;
    } cases[] = {
        {{u"--scan"_s, invoice, u"-o"_s, out + u".pdf"_s}, "--scan writes .csv or .txt, not"},
        {{u"--status"_s, answer, u"-o"_s, out + u".txt"_s}, "--status writes .csv, not"},
        {{u"--batch"_s, rows, u"-o"_s, out + u".png"_s}, "--batch writes .pdf or .xml, not"},
        {{oldSlip, u"-o"_s, out + u".gif"_s}, "a slip file writes .png, .pdf, .jsonl or .xml, not"},
        {{oldSlip, u"--format"_s, u"png"_s, u"-o"_s, out + u".pdf"_s}, "--format png does not write"},
        {{oldSlip, u"-o"_s, out}, "cannot tell the format"},
        {{slip, u"--check"_s, u"--payload"_s}, "--payload does not go with --check"},
        {{u"--batch"_s, rows, u"--status"_s, answer}, "--status does not go with --batch"},
        {{slip, u"--check"_s, u"-o"_s, out + u".png"_s}, "--check writes to standard output; it takes no -o"},
        {{u"--scan"_s, invoice, u"--per-page"_s, u"1"_s, u"-o"_s, out + u".csv"_s},
         "--per-page does not go with --scan"},
        {{u"--status"_s, answer, u"--instant"_s}, "--instant does not go with --status"},
        {{u"--batch"_s, rows, u"--instant"_s, u"-o"_s, out + u".pdf"_s},
         "--instant does not go with --batch to a PDF"},
        {{u"--batch"_s, rows, u"--per-page"_s, u"1"_s, u"-o"_s, out + u".xml"_s},
         "--per-page does not go with --batch to a bank file"},
        {{slip, u"--style"_s, u"print"_s, u"-o"_s, out + u".xml"_s},
         "--style does not go with a bank file of a slip file"},
        {{slip, u"--base"_s, slip, u"-o"_s, out + u".png"_s}, "--base does not go with drawing a slip file"},
        {{u"--status"_s, answer, slip}, "--status reads one report, not a slip file"},
        {{u"--batch"_s, rows, slip, u"-o"_s, out + u".xml"_s}, "--batch reads its table, not a slip file"},
        {{slip, oldSlip, u"-o"_s, out + u".xml"_s}, "expected exactly one HUB-3A slip file"},
        {{u"--scan"_s, u"-o"_s, out + u".csv"_s}, "--scan needs at least one PDF or image file"},
        {{u"--batch"_s, rows}, "missing -o OUT.pdf"},
        {{u"--namespace"_s, u"eu"_s, slip, u"-o"_s, out + u".xml"_s}, "--namespace is hr or iso, not 'eu'"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        const ToolRun run = render(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.errors.startsWith(u"zorprint-render: "_s + QString::fromUtf8(c.message)))
            << run.errors.toStdString();
        EXPECT_EQ(QDir(m_dir.path()).entryList({u"out*"_s}), QStringList());
    }
}

TEST_F(CommandLine, AnOutputThatCannotBeWrittenExitsTwoInEveryMode)
{
    const QString missing = path(u"missing/out"_s);
    const QStringList cases[] = {
        {oldSlip, u"-o"_s, missing + u".png"_s},
        {slip, u"-o"_s, missing + u".pdf"_s},
        {u"--batch"_s, rows, u"-o"_s, missing + u".pdf"_s},
        {u"--batch"_s, rows, u"-o"_s, missing + u".xml"_s},
        {slip, u"-o"_s, missing + u".xml"_s},
        {u"--status"_s, answer, u"-o"_s, missing + u".csv"_s},
        {u"--scan"_s, invoice, u"-o"_s, missing + u".csv"_s},
        {u"--scan"_s, invoice, u"-o"_s, missing + u".txt"_s},
    };
    for (const QStringList &arguments : cases) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const ToolRun run = render(arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.errors.contains(u"ne može se stvoriti"_s)) << run.errors.toStdString();
    }
}

TEST_F(CommandLine, RefusesAnOutputThatIsAnInputByAnyName)
{
    enum class Name { Spelled, Symlink, HardLink };
    const struct
    {
        QStringList arguments; // the output's name follows
        QString input;
        Name name;
        const char *output;
    } cases[] = {
        {{m_dir.path() + u"/./slip.xml"_s}, path(u"slip.xml"_s), Name::Spelled, "slip.xml"},
        {{slip}, slip, Name::Symlink, "order.xml"},
        {{oldSlip}, oldSlip, Name::HardLink, "old.png"},
        {{u"--status"_s, answer}, answer, Name::Symlink, "l.csv"},
        {{u"--status"_s, answer}, answer, Name::HardLink, "h.csv"},
        {{u"--batch"_s, rows}, rows, Name::HardLink, "slips.pdf"},
        {{u"--batch"_s, rows, u"--base"_s, slip}, slip, Name::Symlink, "orders.xml"},
        {{u"--scan"_s, invoice}, invoice, Name::Symlink, "rows2.csv"},
        {{u"--scan"_s, invoice}, invoice, Name::HardLink, "scanned.txt"},
    };
    for (const auto &c : cases) {
        const QString output = path(QString::fromUtf8(c.output));
        SCOPED_TRACE(output.toStdString());
        if (c.name == Name::Symlink) {
            ASSERT_TRUE(QFile::link(c.input, output));
        } else if (c.name == Name::HardLink) {
            ASSERT_EQ(::link(QFile::encodeName(c.input).constData(), QFile::encodeName(output).constData()),
                      0);
        }
        const QByteArray before = fileBytes(c.input);
        const ToolRun run = render(c.arguments + QStringList{u"-o"_s, output});
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.errors.contains(u"je i ulazna"_s)) << run.errors.toStdString();
        EXPECT_EQ(fileBytes(c.input), before);
        if (c.name != Name::Spelled)
            QFile::remove(output);
    }
}

TEST_F(CommandLine, QtsOwnMessagesStayOffStandardError)
{
    // Qt lists every plug-in it looks at when asked to; the tool's standard error holds only its own
    // lines all the same: JSON reports and "zorprint-render: " failures.
    const QString blank = path(u"blank.png"_s);
    InvoiceDocuments::writeImage(blank, InvoiceDocuments::invoicePage(QByteArray(), 40), "png");
    QProcess tool;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_DEBUG_PLUGINS"_s, u"1"_s);
    environment.insert(u"QT_LOGGING_RULES"_s, u"*=true"_s);
    tool.setProcessEnvironment(environment);
    tool.start(QStringLiteral(ZORPRINT_RENDER_PATH),
               {u"--scan"_s, blank, invoice, u"-o"_s, path(u"r.csv"_s)});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 1);
    const QString errors = QString::fromUtf8(tool.readAllStandardError());
    EXPECT_EQ(
        errors.split(u'\n', Qt::SkipEmptyParts),
        QStringList{
            uR"({"file":"%1","page":1,"message":"Na stranici nema bar-koda za plaćanje"})"_s.arg(blank)});
}

} // namespace
