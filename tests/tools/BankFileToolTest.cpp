#include "SchemaCheck.h"
#include "ToolRun.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

const QByteArray header =
    "platitelj_naziv;platitelj_ulica;platitelj_mjesto;iban_platitelja;primatelj_naziv;"
    "iban_primatelja;model_primatelja;poziv_primatelja;opis;iznos;datum_izvrsenja;hitno\n";
const QByteArray goodRow = "Ivana Horvat;Ilica 1;10000 Zagreb;HR7023400091510946338;Udruga Šapica;"
                           "HR1210010051863000160;HR68;8214-12345678903;Donacija;10,00;;\n";

// Each test keeps the day's file counter in a settings store of its own.
class BankFileTool : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_config = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath(u"config"_s)));
    }
    void TearDown() override { qputenv("XDG_CONFIG_HOME", m_config); }

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(writeFileBytes(path, bytes));
        return path;
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QByteArray m_config;
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

TEST_F(BankFileTool, NumbersTheDaysFiles)
{
    const QString table = write(u"rows.csv"_s, header + goodRow);
    for (const QString &name : {u"a.xml"_s, u"b.xml"_s})
        ASSERT_EQ(render({u"--batch"_s, table, u"-o"_s, path(name)}).status, 0);
    const QStringList first = xpathTexts(fileBytes(path(u"a.xml"_s)), u"//p:GrpHdr/p:MsgId"_s);
    const QStringList second = xpathTexts(fileBytes(path(u"b.xml"_s)), u"//p:GrpHdr/p:MsgId"_s);
    ASSERT_EQ(first.size(), 1);
    ASSERT_EQ(second.size(), 1);
    EXPECT_TRUE(first[0].endsWith(u"0001"_s)) << first[0].toStdString();
    EXPECT_TRUE(second[0].endsWith(u"0002"_s)) << second[0].toStdString();
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

} // namespace
