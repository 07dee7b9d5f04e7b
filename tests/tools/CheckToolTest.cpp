#include "SlipRecordOf.h"
#include "ToolRun.h"

#include "model/SlipFile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

struct CheckRun
{
    int status;
    QList<QJsonObject> lines;
    QString errors;
};

CheckRun check(const QString &path)
{
    const ToolRun run = render({path, u"--check"_s});
    CheckRun checked{run.status, {}, run.errors};
    for (const QString &line : run.out.split(u'\n', Qt::SkipEmptyParts)) {
        const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8());
        EXPECT_TRUE(doc.isObject()) << line.toStdString();
        checked.lines.append(doc.object());
    }
    return checked;
}

// One expected line: field, value, valid (true, false, or null as "null"), message, iban.
struct Line
{
    const char *field;
    const char16_t *value;
    const char *valid;
    const char16_t *message;
    const char *iban;
};

void expectLines(const CheckRun &run, const std::vector<Line> &expected)
{
    ASSERT_EQ(run.lines.size(), static_cast<qsizetype>(expected.size()));
    qsizetype i = 0;
    for (const Line &line : expected) {
        const QJsonObject &json = run.lines[i++];
        EXPECT_EQ(json[u"field"_s].toString(), QString::fromLatin1(line.field));
        EXPECT_EQ(json[u"value"_s].toString(), QString::fromUtf16(line.value)) << line.field;
        const QJsonValue valid = json[u"valid"_s];
        EXPECT_EQ(valid.isNull()   ? "null"
                  : valid.toBool() ? "true"
                                   : "false",
                  std::string(line.valid))
            << line.field;
        EXPECT_EQ(json[u"message"_s].toString(), QString::fromUtf16(line.message)) << line.field;
        EXPECT_EQ(json[u"iban"_s].toString(), QString::fromLatin1(line.iban)) << line.field;
    }
}

TEST(CheckTool, ReportsEachAccountAndReferenceOfTheSampleFiles)
{
    const struct
    {
        const char *file;
        int status;
        std::vector<Line> lines;
    } cases[] = {
        // clang-format off
        {"uplatnica-full.txt", 1, {
            {"recipientAccount", u"2360000-1101234567", "false", u"kontrolni broj računa treba biti 5", ""},
            {"recipientReference", u"HR01 12345-678", "false", u"kontrolni broj treba biti 9", ""}}},
        {"zorvat-full.txt", 1, {
            {"payerAccount", u"2330003-1100012345", "false", u"kontrolni broj računa treba biti 8", ""},
            {"payerReference", u"HR01 2002-0315", "false", u"kontrolni broj treba biti 7", ""},
            {"recipientAccount", u"2360000-1101234567", "false", u"kontrolni broj računa treba biti 5", ""},
            {"recipientReference", u"HR05 123456789012345", "false", u"P1 ima najviše 12 znamenaka", ""}}},
        {"zorvat-broken-amount.txt", 1, {
            {"payerAccount", u"2484008-1100000001", "false", u"kontrolni broj računa treba biti 2", ""},
            {"recipientAccount", u"2402006-1100000002", "true", u"IBAN: HR22 2402 0061 1000 0000 2",
             "HR2224020061100000002"}}},
        // Empty forms: nothing written, success.
        {"uplatnica-empty.txt", 0, {}},
        {"zorvat-empty.txt", 0, {}},
        // clang-format on
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file);
        const CheckRun run = check(testDataPath(c.file));
        EXPECT_EQ(run.status, c.status);
        expectLines(run, c.lines);
    }
}

// Writes a record through the program's own slip-file writer.
QString saveRecord(const QTemporaryDir &dir, SlipKind kind,
                   std::initializer_list<std::pair<const char *, QString>> fields)
{
    const QString path = dir.filePath(u"slip.txt"_s);
    SlipFile::save(path, slipRecordOf(kind, fields));
    return path;
}

TEST(CheckTool, PassesValidFieldsAndFailsOnAnyWrongOne)
{
    QTemporaryDir dir;
    const CheckRun passing = check(saveRecord(dir, SlipKind::Uplatnica,
                                              {{"account", u"HR1210010051863000160"_s},
                                               {"referenceModel", u" 01"_s},
                                               {"reference", u"102-3057-89016"_s}}));
    EXPECT_EQ(passing.status, 0);
    // clang-format off
    expectLines(passing, {
        {"recipientAccount", u"HR1210010051863000160", "true", u"IBAN je ispravan", "HR1210010051863000160"},
        {"recipientReference", u"HR01 102-3057-89016", "true", u"poziv na broj odgovara modelu HR01", ""}});
    // clang-format on

    const CheckRun failing = check(saveRecord(dir, SlipKind::Zorvat,
                                              {{"payerAccount", u"30101-601-25434"_s},
                                               {"recipientReferenceModel", u" 01"_s},
                                               {"recipientReference", u"7269-68949637676-00019"_s}}));
    EXPECT_EQ(failing.status, 1);
    // clang-format off
    expectLines(failing, {
        {"payerAccount", u"30101-601-25434", "null", u"nepoznat oblik računa, nije provjeren", ""},
        {"recipientReference", u"HR01 7269-68949637676-00019", "false", u"kontrolni broj treba biti 8", ""}});
    // clang-format on

    const QString unknown = saveRecord(dir, SlipKind::Zorvat, {{"recipientAccount", u"30101-601-25434"_s}});
    EXPECT_EQ(check(unknown).status, 0);
}

TEST(CheckTool, RefusesAnOutputFileAndAnUnreadableSlip)
{
    EXPECT_EQ(render({testDataPath("uplatnica-full.txt"), u"--check"_s, u"-o"_s, u"x.png"_s}).status, 2);
    EXPECT_EQ(check(testDataPath("missing.txt")).status, 2);
}

TEST(CheckTool, TextThatStandardOutputCannotTakeIsReported)
{
    const QStringList commands[] = {
        {testDataPath("hub3a/full.txt"), u"--check"_s},
        {testDataPath("hub3a/full.txt"), u"--payload"_s},
        {u"--status"_s, testDataPath("bankfile/pain002-refused.xml")},
    };
    for (const QStringList &arguments : commands) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        QProcess tool;
        tool.setStandardOutputFile(u"/dev/full"_s);
        tool.start(QStringLiteral(ZORPRINT_RENDER_PATH), arguments);
        ASSERT_TRUE(tool.waitForFinished(30000));
        EXPECT_EQ(tool.exitCode(), 2);
        EXPECT_TRUE(tool.readAllStandardError().contains("Disk full"));
    }
}

} // namespace
