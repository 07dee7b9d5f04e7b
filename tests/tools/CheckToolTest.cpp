#include "RenderTool.h"

#include "model/SlipFile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

const QString dataDir = QStringLiteral(ZORVAT_TEST_DATA_DIR);

struct CheckRun
{
    int status;
    QList<QJsonObject> lines;
    QString errors;
};

CheckRun check(const QString &path)
{
    QString out, errors;
    QTextStream outStream(&out), errorStream(&errors);
    CheckRun run{runRenderTool({u"zorprint-render"_s, path, u"--check"_s}, outStream, errorStream), {}, {}};
    outStream.flush();
    errorStream.flush();
    run.errors = errors;
    for (const QString &line : out.split(u'\n', Qt::SkipEmptyParts)) {
        const QJsonDocument doc = QJsonDocument::fromJson(line.toUtf8());
        EXPECT_TRUE(doc.isObject()) << line.toStdString();
        run.lines.append(doc.object());
    }
    return run;
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

void expectLines(const CheckRun &run, std::initializer_list<Line> expected)
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
    const CheckRun uplatnica = check(dataDir + u"/uplatnica-full.txt"_s);
    EXPECT_EQ(uplatnica.status, 1);
    expectLines(
        uplatnica,
        {
            {"recipientAccount", u"2360000-1101234567", "false", u"kontrolni broj računa treba biti 5", ""},
            {"recipientReference", u"HR01 12345-678", "false", u"kontrolni broj treba biti 9", ""},
        });

    const CheckRun zorvat = check(dataDir + u"/zorvat-full.txt"_s);
    EXPECT_EQ(zorvat.status, 1);
    expectLines(
        zorvat,
        {
            {"payerAccount", u"2330003-1100012345", "false", u"kontrolni broj računa treba biti 8", ""},
            {"payerReference", u"HR01 2002-0315", "false", u"kontrolni broj treba biti 7", ""},
            {"recipientAccount", u"2360000-1101234567", "false", u"kontrolni broj računa treba biti 5", ""},
            {"recipientReference", u"HR05 123456789012345", "false", u"P1 ima najviše 12 znamenaka", ""},
        });

    const CheckRun broken = check(dataDir + u"/zorvat-broken-amount.txt"_s);
    EXPECT_EQ(broken.status, 1);
    expectLines(broken, {
                            {"payerAccount", u"2484008-1100000001", "false",
                             u"kontrolni broj računa treba biti 2", ""},
                            {"recipientAccount", u"2402006-1100000002", "true",
                             u"IBAN: HR22 2402 0061 1000 0000 2", "HR2224020061100000002"},
                        });
}

TEST(CheckTool, WritesNothingAndSucceedsForEmptyForms)
{
    for (const QString &name : {u"uplatnica-empty.txt"_s, u"zorvat-empty.txt"_s}) {
        const CheckRun run = check(dataDir + u'/' + name);
        EXPECT_EQ(run.status, 0) << name.toStdString();
        EXPECT_TRUE(run.lines.isEmpty()) << name.toStdString();
    }
}

// Writes a record through the program's own slip-file writer.
QString saveRecord(const QTemporaryDir &dir, SlipKind kind,
                   std::initializer_list<std::pair<const char *, QString>> fields)
{
    SlipRecord record = SlipRecord::blank(kind);
    for (const auto &[field, text] : fields)
        record.texts[static_cast<size_t>(slipFieldIndex(kind, QLatin1StringView(field)))] = text;
    const QString path = dir.filePath(u"slip.txt"_s);
    SlipFile::save(path, record);
    return path;
}

TEST(CheckTool, PassesValidFieldsAndFailsOnAnyWrongOne)
{
    QTemporaryDir dir;
    const QString valid = saveRecord(dir, SlipKind::Uplatnica,
                                     {{"account", u"HR1210010051863000160"_s},
                                      {"referenceModel", u" 01"_s},
                                      {"reference", u"102-3057-89016"_s}});
    const CheckRun passing = check(valid);
    EXPECT_EQ(passing.status, 0);
    expectLines(passing, {
                             {"recipientAccount", u"HR1210010051863000160", "true", u"IBAN je ispravan",
                              "HR1210010051863000160"},
                             {"recipientReference", u"HR01 102-3057-89016", "true",
                              u"poziv na broj odgovara modelu HR01", ""},
                         });

    const QString wrong = saveRecord(dir, SlipKind::Zorvat,
                                     {{"payerAccount", u"30101-601-25434"_s},
                                      {"recipientReferenceModel", u" 01"_s},
                                      {"recipientReference", u"7269-68949637676-00019"_s}});
    const CheckRun failing = check(wrong);
    EXPECT_EQ(failing.status, 1);
    expectLines(failing, {
                             {"payerAccount", u"30101-601-25434", "null",
                              u"nepoznat oblik računa, nije provjeren", ""},
                             {"recipientReference", u"HR01 7269-68949637676-00019", "false",
                              u"kontrolni broj treba biti 8", ""},
                         });

    const QString unknown = saveRecord(dir, SlipKind::Zorvat, {{"recipientAccount", u"30101-601-25434"_s}});
    EXPECT_EQ(check(unknown).status, 0);
}

TEST(CheckTool, RefusesAnOutputFileAndAnUnreadableSlip)
{
    QString out, errors;
    QTextStream outStream(&out), errorStream(&errors);
    EXPECT_EQ(runRenderTool({u"zorprint-render"_s, dataDir + u"/uplatnica-full.txt"_s, u"--check"_s, u"-o"_s,
                             u"x.png"_s},
                            outStream, errorStream),
              2);
    EXPECT_EQ(check(dataDir + u"/missing.txt"_s).status, 2);
}

TEST(CheckTool, TextThatStandardOutputCannotTakeIsReported)
{
    for (const QString &option : {u"--check"_s, u"--payload"_s}) {
        SCOPED_TRACE(option.toStdString());
        QProcess tool;
        tool.setStandardOutputFile(u"/dev/full"_s);
        tool.start(QStringLiteral(ZORPRINT_RENDER_PATH), {dataDir + u"/hub3a/full.txt"_s, option});
        ASSERT_TRUE(tool.waitForFinished(30000));
        EXPECT_EQ(tool.exitCode(), 1);
        EXPECT_TRUE(tool.readAllStandardError().contains("Disk full"));
    }
}

} // namespace
