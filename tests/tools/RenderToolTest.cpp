#include "NearlyFullDisk.h"
#include "ToolRun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

using namespace Qt::StringLiterals;

const QString dataDir = QStringLiteral(ZORVAT_TEST_DATA_DIR);

TEST(RenderTool, RendersEverySampleToPngPdfAndOps)
{
    QTemporaryDir out;
    const QStringList samples = QDir(dataDir).entryList({u"*.txt"_s}, QDir::Files);
    ASSERT_EQ(samples.size(), 5);
    for (const QString &sample : samples) {
        const QString base = out.filePath(QFileInfo(sample).completeBaseName());
        for (const QString &ext : {u".png"_s, u".pdf"_s, u".jsonl"_s}) {
            const ToolRun run = render({dataDir + u'/' + sample, u"-o"_s, base + ext});
            EXPECT_EQ(run.status, 0) << sample.toStdString() << ext.toStdString() << run.errors.toStdString();
        }
        EXPECT_EQ(QImage(base + u".png"_s).size(), QSize(610, 350)) << sample.toStdString();
        QFile pdf(base + u".pdf"_s);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(pdf.read(5) == "%PDF-");
        const QList<QJsonObject> ops = readOps(base + u".jsonl"_s);
        ASSERT_GT(ops.size(), 60);
        EXPECT_EQ(ops.first()[u"op"_s].toString(), u"FillRect"_s);
    }
}

TEST(RenderTool, DrawsTheFileDataAndTheSharedPlaceAndDate)
{
    QTemporaryDir out;
    const QString ops = out.filePath(u"z.jsonl"_s);
    ASSERT_EQ(
        render({testDataPath("zorvat-broken-amount.txt"), u"--place"_s, u"Split"_s, u"-o"_s, ops}).status, 0);
    QStringList texts;
    for (const QJsonObject &op : readOps(ops))
        texts.append(op[u"text"_s].toString());
    EXPECT_TRUE(texts.contains(u"POGREŠAN UNOS!!!"_s));
    EXPECT_TRUE(texts.contains(u"Najamnina za ožujak"_s));
    EXPECT_TRUE(texts.contains(u"Split"_s));
}

TEST(RenderTool, PrintStyleUsesCalibrationPerforationAndOffsets)
{
    QTemporaryDir out;
    const QString ops = out.filePath(u"p.jsonl"_s);
    const QString slip = testDataPath("uplatnica-full.txt");
    const QStringList print = {slip, u"--style"_s, u"print"_s, u"--perforation"_s, u"--offset"_s, u"10,3"_s};
    const ToolRun run = render(print + QStringList{u"--mode"_s, u"data"_s, u"-o"_s, ops});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    const QList<QJsonObject> drawn = readOps(ops);
    // Data only: the first digit of the postal number, in its cell at (737 + 148, 125 + 38), black.
    const QJsonObject first = drawn.first();
    EXPECT_EQ(first[u"op"_s].toString(), u"TextOut"_s);
    EXPECT_EQ(first[u"text"_s].toString(), u"1"_s);
    EXPECT_EQ(first[u"y"_s].toInt(), 125 + 38 + 87 - 75);
    EXPECT_EQ(first[u"x"_s].toInt(), 737 + 148 + 31 - first[u"tw"_s].toInt() / 2);
    EXPECT_EQ(first[u"color"_s].toString(), u"#000000"_s);

    const QString png = out.filePath(u"p.png"_s);
    ASSERT_EQ(render(print + QStringList{u"-o"_s, png}).status, 0);
    EXPECT_EQ(QImage(png).size(), QSize(2125 + 148, 1250 + 38));
}

TEST(RenderTool, RefusesBadInputWithStatusTwoAndNoOutput)
{
    QTemporaryDir out;
    const QString notASlip = out.filePath(u"bad.txt"_s);
    ASSERT_TRUE(writeFileBytes(notASlip, "TIP=NESTO\r\n"));
    const QString full = testDataPath("uplatnica-full.txt");
    const struct
    {
        QStringList arguments;
        QString message;
    } cases[] = {
        {{out.filePath(u"missing.txt"_s)}, u"ne postoji"_s},
        {{notASlip}, u"Pogreška pri učitavanju zapisa!"_s},
        {{full, u"--bogus"_s}, u"bogus"_s},
        {{full, u"--mode"_s, u"data"_s}, u"--mode needs --style print"_s},
        {{full, u"--style"_s, u"fancy"_s}, u"fancy"_s},
        {{full, u"--size"_s, u"610"_s}, u"two numbers"_s},
        {{full, u"--style"_s, u"print"_s, u"--calibration"_s, u"0,8"_s}, u"kalibracija"_s},
        {{full, u"--style"_s, u"print"_s, u"--offset"_s, u"a,1"_s}, u"'a' is not a valid integer value"_s},
        {{full, u"--size"_s, u"0x350"_s}, u"at least 1x1"_s},
        {{full, u"--size"_s, u"610x1000000"_s}, u"at most 32000x32000"_s},
        {{full, u"--format"_s, u"gif"_s}, u"gif"_s},
        {{full, u"extra.txt"_s}, u"exactly one slip file"_s},
    };
    for (const auto &c : cases) {
        const QString target = out.filePath(u"out.png"_s);
        const ToolRun run = render(c.arguments + QStringList{u"-o"_s, target});
        EXPECT_EQ(run.status, 2) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.errors.contains(c.message)) << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(target)) << c.arguments.join(u' ').toStdString();
    }
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{u"bad.txt"_s});
    EXPECT_EQ(render({full, u"-o"_s, out.filePath(u"x.gif"_s)}).status, 2);
    EXPECT_EQ(render({full}).status, 2);
}

TEST(RenderTool, ProgramKeepsItsOwnOptionsAwayFromQt)
{
    // The GUI application object would take "--style" for itself; the program must see it.
    QTemporaryDir out;
    const QString ops = out.filePath(u"p.jsonl"_s);
    QProcess tool;
    tool.start(QStringLiteral(ZORPRINT_RENDER_PATH), {testDataPath("zorvat-empty.txt"), u"--style"_s,
                                                      u"print"_s, u"--mode"_s, u"template"_s, u"-o"_s, ops});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    const QList<QJsonObject> drawn = readOps(ops);
    ASSERT_FALSE(drawn.isEmpty());
    EXPECT_EQ(drawn.first()[u"x2"_s].toInt(), 2125);

    tool.start(QStringLiteral(ZORPRINT_RENDER_PATH),
               {out.filePath(u"missing.txt"_s), u"-o"_s, ops + u".png"_s});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.exitCode(), 2);
    EXPECT_FALSE(QFile::exists(ops + u".png"_s));
}

TEST(RenderTool, AnOutputThatDoesNotFitFailsAndLeavesNoFile)
{
    const QString full = testDataPath("uplatnica-full.txt");
    for (const QString &name : {u"x.png"_s, u"x.pdf"_s, u"x.jsonl"_s}) {
        SCOPED_TRACE(name.toStdString());
        NearlyFullDisk disk;
        disk.fill(0);
        const ToolRun run = render({full, u"-o"_s, disk.filePath(name)});
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.errors.contains(disk.isRealDisk() ? u"Disk full"_s : u"Stream write error"_s))
            << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(disk.filePath(name)));
    }
}

TEST(RenderTool, WritesIntoADeviceWithoutReplacingIt)
{
    QTemporaryDir out;
    const QString null = out.filePath(u"null"_s), full = out.filePath(u"full"_s);
    // Private twins of /dev/null and /dev/full; only root may make them.
    if (mknod(QFile::encodeName(null).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0 ||
        mknod(QFile::encodeName(full).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
        GTEST_SKIP() << "device files can only be made by root";
    const QString slip = testDataPath("zorvat-full.txt");
    EXPECT_EQ(render({slip, u"-o"_s, null, u"--format"_s, u"png"_s}).status, 0);
    const ToolRun onFull = render({slip, u"-o"_s, full, u"--format"_s, u"png"_s});
    EXPECT_EQ(onFull.status, 2);
    EXPECT_TRUE(onFull.errors.contains(u"Disk full"_s)) << onFull.errors.toStdString();
    for (const QString &device : {null, full}) {
        struct stat info
        {
        };
        ASSERT_EQ(stat(QFile::encodeName(device).constData(), &info), 0);
        EXPECT_TRUE(S_ISCHR(info.st_mode)) << device.toStdString() << " was replaced";
    }
}

} // namespace
