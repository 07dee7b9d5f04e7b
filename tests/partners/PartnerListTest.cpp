#include "PartnerList.h"
#include "AsOrdinaryUser.h"
#include "FileBytes.h"
#include "PartnerEntry.h"
#include "QtPrinters.h"
#include "UserErrorOf.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

namespace {

class PartnerListTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("DataZor.dat"));
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
    const QByteArray file = "B\x08"
                            "1\x08"
                            "x\r\nA\x08"
                            "2\x08"
                            "y\r\nB\x08"
                            "1\x08"
                            "x\r\n\r\nlast";
    writeFile(path, file);
    PartnerList list(path);
    list.append(QStringLiteral("stale"));
    list.LoadData();
    ASSERT_EQ(list.count(), 5);
    EXPECT_EQ(list.at(4), QStringLiteral("last"));
    list.SaveData();
    EXPECT_EQ(readAll(path), file + "\r\n") << "the last line gains its line end";
}

TEST_F(PartnerListTest, ChangesReachTheFileOnlyThroughSaveData)
{
    PartnerList list(path);
    list.LoadData();
    list.append(joinPartner(QStringLiteral("Ivan"), QStringLiteral("1"), QStringLiteral("  1 2")));
    list.append(QStringLiteral("b"));
    list.append(QStringLiteral("c"));
    list.replace(1, QStringLiteral("B"));
    list.remove(0);
    EXPECT_FALSE(QFile::exists(path));
    list.SaveData();

    PartnerList next(path);
    next.LoadData();
    EXPECT_EQ(next.entries(), (QStringList{QStringLiteral("B"), QStringLiteral("c")}));
}

TEST_F(PartnerListTest, EveryChangeIsSignalled)
{
    writeFile(path, "a\r\nb\r\n");
    PartnerList list(path);
    QSignalSpy spy(&list, &PartnerList::changed);
    list.LoadData();
    list.append(QStringLiteral("c"));
    list.replace(0, QStringLiteral("A"));
    list.remove(1);
    EXPECT_EQ(spy.count(), 4);
    EXPECT_EQ(list.entries(), (QStringList{QStringLiteral("A"), QStringLiteral("c")}));
}

TEST_F(PartnerListTest, IndexOutsideTheListIsAnError)
{
    PartnerList list(path);
    list.append(QStringLiteral("a"));
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
    EXPECT_EQ(list.entries(), QStringList{QStringLiteral("a")});
}

TEST_F(PartnerListTest, FileThatCannotBeOpenedLeavesAnEmptyList)
{
    QDir().mkpath(path); // a folder where the file should be
    PartnerList list(path);
    list.append(QStringLiteral("a"));
    EXPECT_EQ(userErrorOf([&] { list.LoadData(); }), QStringLiteral("Cannot open file %1").arg(path));
    EXPECT_EQ(list.count(), 0);
}

TEST_F(PartnerListTest, SaveIntoAFolderThatCannotBeMadeCannotCreateTheFile)
{
    writeFile(dir.filePath(QStringLiteral("data")), "x");
    const QString blocked = dir.filePath(QStringLiteral("data/DataZor.dat"));
    PartnerList list(blocked);
    EXPECT_EQ(userErrorOf([&] { list.SaveData(); }), QStringLiteral("Cannot create file %1").arg(blocked));
}

TEST_F(PartnerListTest, SaveMakesAMissingDataFolder)
{
    const QString nested = dir.filePath(QStringLiteral("share/ZorvatPrint/DataZor.dat"));
    PartnerList list(nested);
    list.append(QStringLiteral("a"));
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
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = old;
    limited.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &limited);
    const QString error = userErrorOf([&] { list.SaveData(); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error, QStringLiteral("Stream write error"));
    EXPECT_EQ(readAll(path), QByteArray("old\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("DataZor.dat")});
    EXPECT_EQ(list.count(), 2000) << "the list in memory is kept";
}

TEST_F(PartnerListTest, FileLivesBesideAWritableProgramOnly)
{
    qputenv("XDG_DATA_HOME", QFile::encodeName(dir.filePath(QStringLiteral("share"))));
    const QString userFile = dir.filePath(QStringLiteral("share/ZorvatPrint/DataZor.dat"));
    EXPECT_EQ(PartnerList::defaultFilePath(dir.path()), path);
    EXPECT_EQ(PartnerList::defaultFilePath(dir.filePath(QStringLiteral("missing"))), userFile);

    const QString installed = dir.filePath(QStringLiteral("bin"));
    QDir().mkpath(installed);
    QFile::setPermissions(installed, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(dir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther);
    {
        AsOrdinaryUser user;
        EXPECT_EQ(PartnerList::defaultFilePath(installed), userFile);
    }
    qunsetenv("XDG_DATA_HOME");
}

} // namespace
