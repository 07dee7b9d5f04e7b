#include "partners/PartnerList.h"
#include "AsOrdinaryUser.h"
#include "FileBytes.h"
#include "NearlyFullDisk.h"
#include "QtPrinters.h"
#include "UserErrorOf.h"
#include "partners/PartnerEntry.h"
#include "partners/PartnerFileLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

class PartnerListTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(u"DataZor.dat"_s);
};

TEST_F(PartnerListTest, FirstStartHasAnEmptyListAndTheFirstSaveAnEmptyFile)
{
    PartnerList list(path);
    list.LoadData();
    EXPECT_EQ(list.count(), 0);
    list.SaveData();
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(readAll(path), QByteArray());
}

TEST_F(PartnerListTest, LoadAndSaveKeepOrderAndBytes)
{
    const QByteArray file = "B\b1\bx\r\nA\b2\by\r\nB\b1\bx\r\n\r\nlast";
    writeFile(path, file);
    PartnerList list(path);
    list.append(u"stale"_s);
    list.LoadData();
    ASSERT_EQ(list.count(), 5);
    EXPECT_EQ(list.at(4), u"last"_s);
    list.SaveData();
    EXPECT_EQ(readAll(path), file + "\r\n") << "the last line gains its line end";
}

TEST_F(PartnerListTest, ChangesReachTheFileOnlyThroughSaveData)
{
    PartnerList list(path);
    list.LoadData();
    list.append(joinPartner(u"Ivan"_s, u"1"_s, u"  1 2"_s));
    list.append(u"b"_s);
    list.append(u"c"_s);
    list.replace(1, u"B"_s);
    list.remove(0);
    EXPECT_FALSE(QFile::exists(path));
    list.SaveData();

    PartnerList next(path);
    next.LoadData();
    EXPECT_EQ(next.entries(), (QStringList{u"B"_s, u"c"_s}));
}

TEST_F(PartnerListTest, EveryChangeIsSignalled)
{
    writeFile(path, "a\r\nb\r\n");
    PartnerList list(path);
    QSignalSpy spy(&list, &PartnerList::changed);
    list.LoadData();
    list.append(u"c"_s);
    list.replace(0, u"A"_s);
    list.remove(1);
    EXPECT_EQ(spy.count(), 4);
    EXPECT_EQ(list.entries(), (QStringList{u"A"_s, u"c"_s}));
}

TEST_F(PartnerListTest, IndexOutsideTheListIsAnError)
{
    PartnerList list(path);
    list.append(u"a"_s);
    const struct
    {
        std::function<void()> action;
        const char16_t *error;
    } cases[] = {
        {[&] { list.at(1); }, u"List index out of bounds (1)"},
        {[&] { list.at(-1); }, u"List index out of bounds (-1)"},
        {[&] { list.replace(1, QString()); }, u"List index out of bounds (1)"},
        {[&] { list.remove(-1); }, u"List index out of bounds (-1)"},
        {[&] { list.remove(5); }, u"List index out of bounds (5)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(userErrorOf(c.action), QString::fromUtf16(c.error));
    EXPECT_EQ(list.entries(), QStringList{u"a"_s});
}

TEST_F(PartnerListTest, FileThatCannotBeOpenedLeavesAnEmptyList)
{
    QDir().mkpath(path); // a folder where the file should be
    PartnerList list(path);
    list.append(u"a"_s);
    EXPECT_EQ(userErrorOf([&] { list.LoadData(); }), u"Datoteka %1 ne može se otvoriti"_s.arg(path));
    EXPECT_EQ(list.count(), 0);
}

TEST_F(PartnerListTest, SaveIntoAFolderThatCannotBeMadeCannotCreateTheFile)
{
    writeFile(dir.filePath(u"data"_s), "x");
    const QString blocked = dir.filePath(u"data/DataZor.dat"_s);
    PartnerList list(blocked);
    EXPECT_EQ(userErrorOf([&] { list.SaveData(); }), u"Datoteka %1 ne može se stvoriti"_s.arg(blocked));
}

TEST_F(PartnerListTest, SaveMakesAMissingDataFolder)
{
    const QString nested = dir.filePath(u"share/ZorvatPrint/DataZor.dat"_s);
    PartnerList list(nested);
    list.append(u"a"_s);
    list.SaveData();
    EXPECT_EQ(readAll(nested), QByteArray("a\r\n"));
}

TEST_F(PartnerListTest, FailedSaveLeavesTheOldFileWhole)
{
    writeFile(path, "old\r\n");
    PartnerList list(path);
    for (int i = 0; i < 2000; ++i)
        list.append(QString(40, u'x'));

    // A file-size limit makes the write fail part-way, as a full disk would.
    const QString error = [&] {
        const FileSizeLimit limit(4096);
        return userErrorOf([&] { list.SaveData(); });
    }();

    EXPECT_EQ(error, u"Stream write error"_s);
    EXPECT_EQ(readAll(path), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{u"DataZor.dat"_s, u"DataZor.dat.lock"_s}))
        << "no temporary file is left";
    EXPECT_EQ(list.count(), 2000) << "the list in memory is kept";
}

TEST(PartnerListOnAFullDisk, ASaveThatDoesNotFitFailsAndKeepsTheOldFile)
{
    // 50 partners fit in the write buffer (lost at the final flush before), 160 do not.
    const struct
    {
        int partners;
        qint64 freeBytes;
    } cases[] = {{50, 0}, {160, 4096}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.partners);
        NearlyFullDisk disk;
        const QString path = disk.filePath(u"DataZor.dat"_s);
        writeFile(path, "old\b1234567-1234567890\b01\r\n");
        const QByteArray before = readAll(path);
        PartnerList list(path);
        list.LoadData();
        for (int i = 0; i < c.partners; ++i)
            list.append(u"Partner %1\b2360000-1101234567\b01 1234-5678"_s.arg(i));
        disk.fill(c.freeBytes);
        EXPECT_EQ(userErrorOf([&] { list.SaveData(); }), u"Stream write error"_s);
        EXPECT_EQ(readAll(path), before);
    }
}

TEST_F(PartnerListTest, TwoRunningCopiesKeepEachOthersChanges)
{
    writeFile(path, "old 1\r\nold 2\r\n");
    // A adds, B deletes one entry and adds, C changes nothing; they save in that order.
    const QList<QStringList> changes = {{u"+Partner A"_s}, {u"-0"_s, u"+Partner B"_s}, {}};
    std::vector<std::unique_ptr<QProcess>> copies;
    for (const QStringList &change : changes) {
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->start(QStringLiteral(PARTNER_COPY_PATH), QStringList{path} + change);
        ASSERT_TRUE(copies.back()->waitForReadyRead(30000));
        ASSERT_EQ(copies.back()->readLine(), QByteArray("ready\n"));
    }
    for (const auto &copy : copies) {
        copy->write("\n");
        ASSERT_TRUE(copy->waitForFinished(30000));
        EXPECT_EQ(copy->exitCode(), 0) << copy->readAllStandardError().toStdString();
    }
    EXPECT_EQ(readAll(path), QByteArray("old 2\r\nPartner A\r\nPartner B\r\n"));
}

TEST_F(PartnerListTest, ThreeCopiesSavingAtOnceKeepEveryEntryAndResurrectNone)
{
    // Each copy adds "<tag> r" in 20 rounds and deletes its own "<tag> r-2" in every third one, saving
    // each time: 14 entries per copy stay, 6 go. Without pauses the saves overlap all the time.
    for (const int pauseMs : {0, 15}) {
        SCOPED_TRACE(pauseMs);
        writeFile(path, "old\r\n");
        const QStringList tags = {u"A"_s, u"B"_s, u"C"_s};
        std::vector<std::unique_ptr<QProcess>> copies;
        for (const QString &tag : tags) {
            copies.push_back(std::make_unique<QProcess>());
            copies.back()->start(QStringLiteral(PARTNER_COPY_PATH),
                                 {path, u"--rounds"_s, u"20"_s, tag, QString::number(pauseMs)});
        }
        QStringList expected = {u"old"_s};
        for (const QString &tag : tags) {
            for (int round = 0; round < 20; ++round) {
                if (round % 3 != 0 || round == 18)
                    expected.append(u"%1 %2"_s.arg(tag).arg(round));
            }
        }
        for (const auto &copy : copies) {
            ASSERT_TRUE(copy->waitForFinished(60000));
            EXPECT_EQ(copy->exitCode(), 0) << copy->readAllStandardError().toStdString();
        }
        PartnerList result(path);
        result.LoadData();
        QStringList entries = result.entries();
        entries.sort();
        expected.sort();
        EXPECT_EQ(entries, expected);
    }
}

TEST_F(PartnerListTest, ASaveWaitsForAnotherCopysSaveAndGivesUpWithAMessage)
{
    writeFile(path, "theirs\r\n");
    PartnerList list(path);
    list.setSaveLockWait(std::chrono::milliseconds(100));
    list.LoadData();
    list.append(u"mine"_s);
    {
        const PartnerFileLock otherCopy(path, std::chrono::milliseconds(0));
        EXPECT_TRUE(userErrorOf([&] { list.SaveData(); }).contains(u"drugi pokrenuti primjerak"_s));
        EXPECT_EQ(readAll(path), QByteArray("theirs\r\n"));
    }
    EXPECT_EQ(userErrorOf([&] { list.SaveData(); }), QString()) << "the list is kept for the next save";
    EXPECT_EQ(readAll(path), QByteArray("theirs\r\nmine\r\n"));
}

TEST_F(PartnerListTest, ACopyThatChangedNothingWritesNothing)
{
    writeFile(path, "a\r\n");
    PartnerList idle(path);
    idle.LoadData();
    writeFile(path, "a\r\nfrom another copy\r\n");
    idle.SaveData();
    EXPECT_EQ(readAll(path), QByteArray("a\r\nfrom another copy\r\n"));
    EXPECT_EQ(idle.entries(), (QStringList{u"a"_s, u"from another copy"_s}));
}

TEST_F(PartnerListTest, AFileCutShortAtANulByteDidNotLoadWhole)
{
    writeFile(path, QByteArray("a\r\nb\0c\r\n", 8));
    PartnerList list(path);
    list.LoadData();
    EXPECT_EQ(list.entries(), (QStringList{u"a"_s, u"b"_s}));
    EXPECT_FALSE(list.loadedWhole());
    EXPECT_TRUE(userErrorOf([&] { list.warnIfNotSavedAtExit(); }).contains(u"NUL"_s));
    list.SaveData();
    EXPECT_TRUE(list.loadedWhole()) << "a saved list is whole in its file";
    EXPECT_EQ(userErrorOf([&] { list.warnIfNotSavedAtExit(); }), QString());
}

TEST_F(PartnerListTest, AFileBesideAReadOnlyProgramIsReadAndSavesGoToTheUserFile)
{
    // The program folder is not writable; in one case the file in it is (a save there would still
    // need a temporary file beside it).
    for (const bool fileWritable : {false, true}) {
        SCOPED_TRACE(fileWritable);
        QTemporaryDir root;
        const QString program = root.filePath(u"bin"_s);
        const QString beside = program + u"/DataZor.dat"_s;
        const QString perUser = root.filePath(u"share/ZorvatPrint/DataZor.dat"_s);
        QDir().mkpath(program);
        QDir().mkpath(root.filePath(u"share"_s));
        writeFile(beside, "kept\r\n");
        QFile::setPermissions(beside, fileWritable ? QFileDevice::Permissions(0x6666)
                                                   : QFileDevice::Permissions(0x4444));
        QFile::setPermissions(program, QFileDevice::Permissions(0x5555));
        QFile::setPermissions(root.filePath(u"share"_s), QFileDevice::Permissions(0x7777));
        QFile::setPermissions(root.path(), QFileDevice::Permissions(0x7755));
        {
            AsOrdinaryUser user;
            PartnerList list(PartnerFilePlaces(beside, perUser));
            list.LoadData();
            EXPECT_EQ(list.entries(), QStringList{u"kept"_s});
            list.append(u"new"_s);
            EXPECT_EQ(userErrorOf([&] { list.SaveData(); }), QString());

            PartnerList next(PartnerFilePlaces(beside, perUser));
            next.LoadData();
            EXPECT_EQ(next.entries(), (QStringList{u"kept"_s, u"new"_s}))
                << "the user file wins once it exists";
        }
        EXPECT_EQ(readAll(beside), QByteArray("kept\r\n"));
        EXPECT_EQ(readAll(perUser), QByteArray("kept\r\nnew\r\n"));
    }
}

TEST_F(PartnerListTest, AnEmptyUserFileNeverHidesThePartnersBesideTheProgram)
{
    const QString beside = dir.filePath(u"program/DataZor.dat"_s);
    const QString perUser = dir.filePath(u"share/ZorvatPrint/DataZor.dat"_s);
    PartnerList installed(PartnerFilePlaces(QString(), perUser));
    installed.LoadData();
    installed.SaveData();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(u"share"_s)))
        << "a copy that never had a partner writes no file, folder or lock";

    // An empty per-user file left by an older copy.
    QDir().mkpath(dir.filePath(u"program"_s));
    QDir().mkpath(dir.filePath(u"share/ZorvatPrint"_s));
    writeFile(beside, "kept\r\n");
    writeFile(perUser, "");
    PartnerList list(PartnerFilePlaces(beside, perUser));
    list.LoadData();
    EXPECT_EQ(list.entries(), QStringList{u"kept"_s});
    list.SaveData();
    EXPECT_EQ(list.entries(), QStringList{u"kept"_s});
    list.append(u"new"_s);
    list.SaveData();
    EXPECT_EQ(readAll(perUser), QByteArray("kept\r\nnew\r\n"));
}

TEST_F(PartnerListTest, AListTheClerkEmptiedStaysEmptyAndGivesWayOnlyOnceItHoldsAPartner)
{
    const QString beside = dir.filePath(u"program/DataZor.dat"_s);
    const QString perUser = dir.filePath(u"share/ZorvatPrint/DataZor.dat"_s);
    QDir().mkpath(dir.filePath(u"program"_s));
    QDir().mkpath(dir.filePath(u"share/ZorvatPrint"_s));
    writeFile(beside, "old one\r\nold two\r\n");
    writeFile(perUser, "mine\r\n");
    const auto started = [&] {
        PartnerList list(PartnerFilePlaces(beside, perUser));
        list.LoadData();
        return list.entries();
    };
    {
        PartnerList list(PartnerFilePlaces(beside, perUser));
        list.LoadData();
        list.remove(0);
        list.SaveData();
    }
    EXPECT_EQ(readAll(perUser), QByteArray());
    EXPECT_EQ(started(), QStringList()) << "deleting every partner keeps the list empty at the next start";
    {
        PartnerList list(PartnerFilePlaces(beside, perUser));
        list.LoadData();
        list.append(u"new"_s);
        list.SaveData();
    }
    EXPECT_EQ(started(), QStringList{u"new"_s});
    EXPECT_FALSE(QFileInfo::exists(PartnerFilePlaces::emptiedMarkFor(perUser)));
}

TEST_F(PartnerListTest, FileLivesBesideAWritableProgramOnly)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(u"share"_s)));
    const QString userFile = dir.filePath(u"share/ZorvatPrint/DataZor.dat"_s);
    EXPECT_EQ(PartnerList::defaultFilePath(dir.path()), path);
    EXPECT_EQ(PartnerList::defaultFilePath(dir.filePath(u"missing"_s)), userFile);

    const QString installed = dir.filePath(u"bin"_s);
    QDir().mkpath(installed);
    QFile::setPermissions(installed, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(dir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther);
    {
        AsOrdinaryUser user;
        EXPECT_EQ(PartnerList::defaultFilePath(installed), userFile);
    }
    // Installed beside <prefix>/share: only the per-user file, even when the bin folder is writable
    // and holds a partner file.
    QFile::setPermissions(installed, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(dir.filePath(u"share"_s));
    QFile beside(installed + u"/DataZor.dat"_s);
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly));
    beside.close();
    EXPECT_EQ(PartnerList::defaultFilePath(installed), userFile);
    EXPECT_EQ(PartnerFilePlaces::forProgramIn(installed).readPath(), userFile);
    qunsetenv("XDG_DATA_HOME");
}

} // namespace
