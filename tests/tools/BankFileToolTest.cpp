#include "BankAnswers.h"
#include "SchemaCheck.h"
#include "ToolRun.h"

#include "book/PaymentBook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using namespace Qt::StringLiterals;

const QByteArray header =
    "platitelj_naziv;platitelj_ulica;platitelj_mjesto;iban_platitelja;primatelj_naziv;"
    "iban_primatelja;model_primatelja;poziv_primatelja;opis;iznos;datum_izvrsenja;hitno\n";
const QByteArray goodRow = "Ivana Horvat;Ilica 1;10000 Zagreb;HR7023400091510946338;Udruga Šapica;"
                           "HR1210010051863000160;HR68;8214-12345678903;Donacija;10,00;;\n";

// Each test keeps its settings and its payments book of its own.
class BankFileTool : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_config = qgetenv("XDG_CONFIG_HOME");
        m_data = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(u"config"_s)));
        freshBook(u"data"_s);
    }
    void TearDown() override
    {
        qputenv("XDG_CONFIG_HOME", m_config);
        qputenv("XDG_DATA_HOME", m_data);
    }
    // A new, empty payments book in the folder name.
    void freshBook(const QString &name) { qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.filePath(name))); }
    QString bookPath() const
    {
        return QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + u"/ZorvatPrint/payments.db"_s;
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(writeFileBytes(path, bytes));
        return path;
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QByteArray m_config;
    QByteArray m_data;
};

TEST_F(BankFileTool, WritesATableAsABankFile)
{
    const struct
    {
        const char *name;
        QByteArray rows;
        QStringList options;
        int status;
        const char *schema; // nullptr: no file
        QStringList report;
    } cases[] = {
        {"all rows", goodRow + goodRow, {}, 0, "scthr_pain.001.001.09.xsd", {}},
        {"iso", goodRow, {u"--namespace"_s, u"iso"_s}, 0, "pain.001.001.09.xsd", {}},
        {"instant", goodRow, {u"--instant"_s}, 0, "sctinsthr_pain.001.001.09.xsd", {}},
        // clang-format off
        {"a refused row",
         goodRow + QByteArray(goodRow).replace("HR7023400091510946338", "HR7023400091510946339") +
             QByteArray(goodRow).replace("HR7023400091510946338", "") +
             QByteArray(goodRow).replace("Donacija", "-Donacija"), {}, 1, "scthr_pain.001.001.09.xsd",
         {uR"x({"row":2,"column":"iban_platitelja","message":"IBAN nije ispravan (kontrolni broj)"})x"_s,
          uR"x({"row":3,"column":"iban_platitelja","message":"IBAN platitelja: obavezan je u nalogu za banku"})x"_s,
          uR"x({"row":4,"column":"opis","message":"Opis plaćanja: ne smije počinjati znakom '-'"})x"_s}},
        {"an order abroad without a place",
         goodRow + QByteArray(goodRow).replace("Udruga Šapica;HR1210010051863000160;HR68;8214-12345678903",
                                               "Muster AG;DE89370400440532013000;;"), {}, 1, "scthr_pain.001.001.09.xsd",
         {uR"x({"row":2,"column":"primatelj_mjesto","message":"Mjesto primatelja: obavezno je za primatelja izvan Hrvatske (mjesto i država)"})x"_s}},
        {"every row refused", QByteArray(goodRow).replace("HR7023400091510946338", ""), {}, 1, nullptr,
         {uR"x({"row":1,"column":"iban_platitelja","message":"IBAN platitelja: obavezan je u nalogu za banku"})x"_s}},
        // clang-format on
        {"a bad option", goodRow, {u"--namespace"_s, u"eu"_s}, 2, nullptr, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        freshBook(QLatin1StringView(c.name));
        const QString table = write(u"rows.csv"_s, header + c.rows);
        const QString out = path(u"orders-%1.xml"_s.arg(QLatin1StringView(c.name)).replace(u' ', u'-'));
        const ToolRun run = render(QStringList{u"--batch"_s, table, u"-o"_s, out} + c.options);
        EXPECT_EQ(run.status, c.status) << run.errors.toStdString();
        EXPECT_EQ(reportLines(run.errors), c.report);
        EXPECT_EQ(QFile::exists(out), c.schema != nullptr);
        if (c.schema) {
            if (!pain001FolderExists())
                GTEST_SKIP() << "schema check skipped: no folder " << pain001Folder().toStdString();
            EXPECT_EQ(schemaErrors(fileBytes(out), QLatin1StringView(c.schema)).toStdString(), std::string());
        }
    }
}

TEST_F(BankFileTool, SaysOnceWhatOrdersAbroadWriteWithoutCroatianLetters)
{
    const QByteArray row = "Žarko Čučić;HR7023400091510946338;Muster AG;1060 Wien;AT611904300234573201;Rechnung;5,00\n";
    const QString table = write(u"abroad.csv"_s, "platitelj_naziv;iban_platitelja;primatelj_naziv;primatelj_mjesto;"
                                                 "iban_primatelja;opis;iznos\n" + row + row);
    const QString out = path(u"abroad.xml"_s);
    const ToolRun run = render({u"--batch"_s, table, u"-o"_s, out});
    EXPECT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_EQ(reportLines(run.errors),
              QStringList{uR"x({"note":"Bez slova č ć đ š ž (plaćanje u inozemstvo) zapisano je: naziv platitelja 'Žarko Čučić' kao 'Zarko Cucic'"})x"_s});
    EXPECT_SCHEMA_VALID(fileBytes(out), "scthr_pain.001.001.09.xsd");
    EXPECT_EQ(xpathTexts(fileBytes(out), u"//p:Cdtr/p:PstlAdr/p:Ctry"_s), (QStringList{u"AT"_s, u"AT"_s}));
}

TEST_F(BankFileTool, WritesOneSlipFile)
{
    QByteArray slip = testDataBytes("hub3a/full.txt");
    slip.replace("15012026", "15012099");
    const QString out = path(u"order.xml"_s);
    const ToolRun run = render({write(u"slip.txt"_s, slip), u"-o"_s, out});
    EXPECT_EQ(run.status, 0) << run.errors.toStdString();
    EXPECT_SCHEMA_VALID(fileBytes(out), "scthr_pain.001.001.09.xsd");
    EXPECT_EQ(xpathTexts(fileBytes(out), u"//p:InstrPrty"_s), QStringList{u"HIGH"_s});
}

TEST_F(BankFileTool, NumbersTheDaysFilesAndLeavesOutWhatWasPaid)
{
    const QString table = write(u"rows.csv"_s, header + goodRow);
    const QString again =
        write(u"again.csv"_s, header + QByteArray(goodRow).replace("10,00", "11,00") + goodRow);
    const struct
    {
        const char *file;
        QString table;
        QStringList options;
        int status;
        int repeats;       // JSON lines of rows paid before
        const char *msgId; // the file's id ending, nullptr for no file
    } runs[] = {
        {"a.xml", table, {}, 0, 0, "0001"},
        {"b.xml", table, {}, 1, 1, nullptr},
        {"c.xml", again, {}, 1, 1, "0002"},
        {"d.xml", table, {u"--allow-repeat"_s}, 0, 1, "0003"},
    };
    for (const auto &run : runs) {
        SCOPED_TRACE(run.file);
        const QString out = path(QLatin1StringView(run.file));
        const ToolRun done = render(QStringList{u"--batch"_s, run.table, u"-o"_s, out} + run.options);
        EXPECT_EQ(done.status, run.status) << done.errors.toStdString();
        const QStringList lines = reportLines(done.errors);
        EXPECT_EQ(lines.size(), run.repeats) << done.errors.toStdString();
        for (const QString &line : lines) {
            const QJsonObject report = QJsonDocument::fromJson(line.toUtf8()).object();
            EXPECT_EQ(report[u"file"_s].toString(), u"a.xml"_s) << line.toStdString();
            EXPECT_TRUE(report[u"message"_s].toString().startsWith(u"Mogući dvostruki nalog: već plaćen "_s));
        }
        ASSERT_EQ(QFile::exists(out), run.msgId != nullptr);
        if (run.msgId) {
            const QStringList id = xpathTexts(fileBytes(out), u"//p:GrpHdr/p:MsgId"_s);
            ASSERT_EQ(id.size(), 1);
            EXPECT_TRUE(id[0].endsWith(QLatin1StringView(run.msgId))) << id[0].toStdString();
        }
    }
}

TEST_F(BankFileTool, SixFilesMadeAtOnceGetSixIds)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_DATA_HOME"_s, m_dir.filePath(u"data"_s));
    environment.insert(u"XDG_CONFIG_HOME"_s, m_dir.filePath(u"config"_s));
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int i = 0; i < 6; ++i) {
        const QString table =
            write(u"rows%1.csv"_s.arg(i),
                  header + QByteArray(goodRow).replace("10,00", QByteArray::number(20 + i) + ",00"));
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->setProcessEnvironment(environment);
        copies.back()->start(QStringLiteral(ZORPRINT_RENDER_PATH),
                             {u"--batch"_s, table, u"-o"_s, path(u"f%1.xml"_s.arg(i))});
    }
    QSet<QString> ids;
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(copies[i]->waitForFinished(60000));
        EXPECT_EQ(copies[i]->exitCode(), 0) << copies[i]->readAllStandardError().toStdString();
        const QStringList id = xpathTexts(fileBytes(path(u"f%1.xml"_s.arg(i))), u"//p:GrpHdr/p:MsgId"_s);
        ASSERT_EQ(id.size(), 1);
        ids.insert(id[0]);
    }
    EXPECT_EQ(ids.size(), 6);
    EXPECT_EQ(PaymentBook(m_dir.filePath(u"data/ZorvatPrint/payments.db"_s)).entries().size(), 6);
}

TEST_F(BankFileTool, ADamagedBookMakesNoFile)
{
    ASSERT_TRUE(QDir().mkpath(QFileInfo(bookPath()).absolutePath()));
    ASSERT_TRUE(writeFileBytes(bookPath(), QByteArray(8192, 'x')));
    const QString out = path(u"orders.xml"_s);
    const ToolRun run = render({u"--batch"_s, write(u"rows.csv"_s, header + goodRow), u"-o"_s, out});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.errors.contains(u"Datoteka naloga za banku nije napravljena. Knjiga plaćanja"_s))
        << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}

TEST_F(BankFileTool, StatusExitsZeroOneOrTwo)
{
    const QString data = testDataPath("bankfile/");
    const struct
    {
        QString report;
        int status;
        int lines;
    } cases[] = {
        {data + u"pain002-accepted.xml"_s, 0, 0},
        {data + u"pain002-refused.xml"_s, 1, 3},
        {data + u"pain002-file-refused.xml"_s, 1, 1},
        {testDataPath("hub3a/full.txt"), 2, 0},
        {data + u"missing.xml"_s, 2, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.report.toStdString());
        const ToolRun run = render({u"--status"_s, c.report});
        EXPECT_EQ(run.status, c.status) << run.errors.toStdString();
        EXPECT_EQ(run.out.count(u'\n'), c.lines);
    }
    const ToolRun refused =
        render({u"--status"_s, data + u"pain002-refused.xml"_s, u"-o"_s, path(u"again.csv"_s)});
    const QJsonObject first = QJsonDocument::fromJson(refused.out.section(u'\n', 0, 0).toUtf8()).object();
    EXPECT_EQ(first.keys(), (QStringList{u"amount"_s, u"endToEndId"_s, u"iban"_s, u"instrId"_s, u"message"_s,
                                         u"reason"_s, u"recipient"_s}));
    EXPECT_EQ(first[u"instrId"_s].toString(), u"UN202612080001-2"_s);
    EXPECT_EQ(first[u"reason"_s].toString(), u"AC04"_s);
    EXPECT_EQ(first[u"message"_s].toString(), u"Račun je zatvoren"_s);
    // The refused orders as a table to correct and send again: two orders, the group has none.
    const QByteArray table = fileBytes(path(u"again.csv"_s));
    EXPECT_TRUE(table.startsWith("\xEF\xBB\xBFplatitelj_naziv")) << table.toStdString();
    EXPECT_EQ(table.count('\n'), 3) << table.toStdString();
}

TEST_F(BankFileTool, StatusRecordsTheAnswerInTheBook)
{
    const QString orders = path(u"orders.xml"_s);
    ASSERT_EQ(render({u"--batch"_s, write(u"rows.csv"_s, header + goodRow), u"-o"_s, orders}).status, 0);
    const QString messageId = xpathTexts(fileBytes(orders), u"//p:GrpHdr/p:MsgId"_s).value(0);
    const QString instrId = xpathTexts(fileBytes(orders), u"//p:InstrId"_s).value(0);
    const struct
    {
        const char *what;
        QString file;
        QString instrId;
        QString bookLine; // the first line on standard error
        int refusedInBook;
        bool asSent; // the table holds the order as it was sent (with its description)
    } cases[] = {
        {"a file the book holds", messageId, instrId,
         u"{\"book\":\"%1\",\"orders\":1,\"refused\":1,\"accepted\":0}"_s.arg(messageId), 1, true},
        {"a file it does not", u"UN202001010001"_s, u"UN202001010001-1"_s,
         u"{\"note\":\"Datoteka UN202001010001 nije u knjizi plaćanja: nalozi su onakvi kakve ih navodi "
         "banka\"}"_s,
         1, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QString answer =
            write(u"answer.xml"_s, BankAnswers::answer(c.file, {}, {{c.file + u"-G1"_s, c.instrId}}));
        const ToolRun run = render({u"--status"_s, answer, u"-o"_s, path(u"again.csv"_s)});
        EXPECT_EQ(run.status, 1) << run.errors.toStdString();
        EXPECT_EQ(run.errors.section(u'\n', 0, 0), c.bookLine);
        const PaymentBook book(bookPath());
        EXPECT_EQ(book.entries({}, {}, BookState::Refused).size(), c.refusedInBook);
        EXPECT_EQ(fileBytes(path(u"again.csv"_s)).contains("Donacija"), c.asSent);
    }
}

} // namespace
