#include "model/SettingsStore.h"
#include "AsOrdinaryUser.h"
#include "FileBytes.h"
#include "QtPrinters.h"
#include "TemporaryStore.h"
#include "ThrownError.h"
#include "model/Calibration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using namespace std::chrono_literals;

TEST(SettingsStore, FirstReadCreatesTheFileAndTheMainKey)
{
    TemporaryStore t;
    EXPECT_FALSE(t.store().OpenKey(SettingsStore::mainKeyPath(), false, KeyAccess::Read));
    EXPECT_FALSE(QFile::exists(t.path())) << "a key opened without creating must not make the file";

    EXPECT_EQ(t.store().ReadSetting(u"DefUplatitelj"_s), QString());
    EXPECT_TRUE(t.store().OpenKey(SettingsStore::mainKeyPath(), false, KeyAccess::Read));
    // Creating a key creates the keys above it.
    EXPECT_TRUE(t.store().OpenKey({u"Software"_s, u"Tembrulo"_s}, false, KeyAccess::Read));
}

TEST(SettingsStore, StringsComeBackExactly)
{
    TemporaryStore t;
    const QString texts[] = {u"Čačak d.o.o.\r\nŠetalište 7, Đakovo"_s, u"   "_s, QString(), u"-3"_s,
                             QString(300, u'ž')};
    for (const QString &text : texts) {
        t.store().WriteSetting(u"DefUplatitelj"_s, text);
        EXPECT_EQ(t.store().ReadSetting(u"DefUplatitelj"_s), text);
    }
    // A string is read up to its first NUL.
    t.store().WriteSetting(u"dX"_s, u"12"_s + QChar(u'\0') + u"34"_s);
    EXPECT_EQ(t.store().ReadSetting(u"dX"_s), u"12"_s);
}

TEST(SettingsStore, KeysAndValueNamesIgnoreLetterCase)
{
    TemporaryStore t;
    t.store().WriteSetting(u"DefRacun"_s, u"1"_s);
    t.store().WriteSetting(u"DEFRACUN"_s, u"2"_s);
    EXPECT_EQ(t.store().ReadSetting(u"defracun"_s), u"2"_s);

    const KeyPath upper = {u"SOFTWARE"_s, u"TEMBRULO"_s, u"NEROVANT"_s, u"ZORVAT"_s, u"ČVOR"_s};
    auto key = t.store().OpenKey(upper, true, KeyAccess::ReadWrite);
    ASSERT_TRUE(key);
    key->WriteString(u"Ime"_s, u"x"_s);
    key->CloseKey();
    auto lower = t.store().OpenKey(SettingsStore::mainKeyPath() << u"čvor"_s, false, KeyAccess::Read);
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->ReadString(u"IME"_s), u"x"_s);
}

TEST(SettingsStore, ValueTypesAreToldApart)
{
    TemporaryStore t;
    auto key = t.store().OpenKey(SettingsStore::mainKeyPath(), true, KeyAccess::ReadWrite);
    ASSERT_TRUE(key);
    key->WriteInteger(u"Broj"_s, -7);
    key->WriteString(u"Tekst"_s, u"7"_s);
    key->WriteInteger(u"Najveći"_s, 2147483647);

    EXPECT_EQ(key->ReadInteger(u"Broj"_s), -7);
    EXPECT_EQ(key->ReadInteger(u"Najveći"_s), 2147483647);
    const struct
    {
        std::function<void()> action;
        const char16_t *error;
    } cases[] = {
        {[&] { key->ReadInteger(u"Tekst"_s); }, u"Invalid data type for 'Tekst'"},
        {[&] { key->ReadString(u"Broj"_s); }, u"Invalid data type for 'Broj'"},
        {[&] { key->ReadInteger(u"Nema"_s); }, u"Failed to get data for 'Nema'"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(thrownErrorOf(c.action), QString::fromUtf16(c.error));
    EXPECT_EQ(key->ReadString(u"Nema"_s), QString()) << "an absent string reads as empty";
    key->CloseKey();

    EXPECT_EQ(thrownErrorOf([&] { t.store().ReadSetting(u"Broj"_s); }), u"Invalid data type for 'Broj'"_s);
    // Read together, the values before the integer are handed over, then its error is raised.
    QStringList handed;
    const QStringList names = {u"Tekst"_s, u"Nema"_s, u"Broj"_s, u"Tekst"_s};
    EXPECT_EQ(thrownErrorOf([&] {
                  t.store().ReadSettings(names, [&](qsizetype index, const QString &value) {
                      handed.append(names[index] + u"="_s + value);
                  });
              }),
              u"Invalid data type for 'Broj'"_s);
    EXPECT_EQ(handed, (QStringList{u"Tekst=7"_s, u"Nema="_s}));
    // A string written over an integer of the same name replaces it.
    t.store().WriteSetting(u"Broj"_s, u"8"_s);
    EXPECT_EQ(t.store().ReadSetting(u"Broj"_s), u"8"_s);
}

TEST(SettingsStore, KeyClosedWithoutCloseKeyStoresNothing)
{
    TemporaryStore t;
    {
        auto key = t.store().OpenKey(SettingsStore::mainKeyPath() << u"Novi"_s, true, KeyAccess::ReadWrite);
        ASSERT_TRUE(key);
        key->WriteString(u"a"_s, u"b"_s);
    }
    EXPECT_FALSE(t.store().OpenKey(SettingsStore::mainKeyPath() << u"Novi"_s, false, KeyAccess::Read));
}

TEST(SettingsStore, NameWithTheSeparatorStaysOneKey)
{
    TemporaryStore t;
    const QString name = u"\\\\server\\Laser"_s;
    auto key = t.store().OpenKey(SettingsStore::mainKeyPath() << name, true, KeyAccess::ReadWrite);
    ASSERT_TRUE(key);
    key->WriteInteger(u"n"_s, 1);
    key->CloseKey();

    EXPECT_TRUE(t.store().OpenKey(SettingsStore::mainKeyPath() << name, false, KeyAccess::Read));
    EXPECT_FALSE(t.store().OpenKey(SettingsStore::mainKeyPath() << QString() << QString() << u"server"_s,
                                   false, KeyAccess::Read));
    EXPECT_FALSE(t.store().OpenKey(SettingsStore::mainKeyPath() << u"server"_s, false, KeyAccess::Read));
}

TEST(SettingsStore, TwoCopiesSeeEachOthersWrites)
{
    TemporaryStore t;
    const SettingsStore other = t.another();
    EXPECT_EQ(other.ReadSetting(u"dX"_s), QString());
    t.store().WriteSetting(u"dX"_s, u"5"_s);
    EXPECT_EQ(other.ReadSetting(u"dX"_s), u"5"_s);
    other.WriteSetting(u"dX"_s, u"6"_s);
    EXPECT_EQ(t.store().ReadSetting(u"dX"_s), u"6"_s);
}

TEST(SettingsStore, ReadersAreNotBlockedByAnOpenReadKey)
{
    TemporaryStore t;
    t.store().WriteSetting(u"dX"_s, u"5"_s);
    auto reading = t.store().OpenKey(SettingsStore::mainKeyPath(), false, KeyAccess::Read);
    ASSERT_TRUE(reading);
    EXPECT_EQ(t.another(10ms).ReadSetting(u"dX"_s), u"5"_s);
}

TEST(SettingsStore, StoreLockedPastTheBusyWaitIsAKeyThatCannotBeOpened)
{
    TemporaryStore t;
    t.store().WriteSetting(u"dX"_s, u"5"_s);
    auto writing = t.store().OpenKey(SettingsStore::mainKeyPath(), true, KeyAccess::ReadWrite);
    ASSERT_TRUE(writing);
    writing->WriteString(u"dX"_s, u"6"_s);

    const SettingsStore other = t.another(10ms);
    EXPECT_NO_THROW(other.WriteSetting(u"dY"_s, u"1"_s));
    EXPECT_EQ(other.ReadSetting(u"dX"_s), u"5"_s) << "the other copy's write is not seen yet";
    writing->CloseKey();
    EXPECT_EQ(other.ReadSetting(u"dX"_s), u"6"_s);
    EXPECT_EQ(other.ReadSetting(u"dY"_s), QString()) << "the write while locked did nothing";
}

TEST(SettingsStore, RefusedWriteRaisesItsErrorAndKeepsTheOldValue)
{
    TemporaryStore t;
    t.store().WriteSetting(u"DefRacun"_s, u"old"_s);
    t.refuseWritesOf(u"DefRacun"_s);
    EXPECT_EQ(thrownErrorOf([&] { t.store().WriteSetting(u"DefRacun"_s, u"new"_s); }),
              u"Failed to set data for 'DefRacun'"_s);
    EXPECT_EQ(t.store().ReadSetting(u"DefRacun"_s), u"old"_s);
}

TEST(SettingsStore, WriteThroughAReadKeyIsRefused)
{
    TemporaryStore t;
    auto key = t.store().OpenKey(SettingsStore::mainKeyPath(), true, KeyAccess::Read);
    ASSERT_TRUE(key);
    EXPECT_EQ(thrownErrorOf([&] { key->WriteInteger(u"x"_s, 1); }), u"Failed to set data for 'x'"_s);
}

// A store file that cannot be used reads as empty and takes no writes, without a message, and is
// left exactly as it was.
TEST(SettingsStore, UnusableFileReadsEmptyWritesNothingAndIsKept)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"ShortText", QByteArray("not a database")},
        {"Garbage", QByteArray(8192, '\x5A')},
        {"DamagedHeader", QByteArray("SQLite format 3") + QByteArray(4096, '\xFF')},
        // Damage that SQLite reads without complaint: a key missing from the key index, a table
        // statement whose primary key is misspelt. Both took writes that were never read back.
        {"BrokenKeyIndex", testDataBytes("damaged/store-broken-key-index.db")},
        {"LostPrimaryKey", testDataBytes("damaged/store-lost-primary-key.db")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryStore t;
        ASSERT_TRUE(writeFileBytes(t.path(), c.bytes));
        EXPECT_EQ(t.store().ReadSetting(u"dX"_s), QString());
        QStringList handed;
        t.store().ReadSettings({u"dX"_s, u"dY"_s},
                               [&](qsizetype, const QString &value) { handed.append(value); });
        EXPECT_EQ(handed, QStringList(2));
        EXPECT_NO_THROW(t.store().WriteSetting(u"dX"_s, u"1"_s));
        EXPECT_FALSE(t.store().OpenKey(SettingsStore::mainKeyPath(), true, KeyAccess::ReadWrite));
        const QString printer = u"Laser on LPT1:"_s;
        EXPECT_NO_THROW(storeCalibration(t.store(), printer, {7, 7, 3, 3, 2, 9}));
        EXPECT_EQ(readStoredCalibration(t.store(), printer), Calibration{});
        EXPECT_EQ(t.fileBytes(), c.bytes);
        EXPECT_EQ(QDir(QFileInfo(t.path()).path()).entryList(QDir::Files), QStringList{u"settings.db"_s});
    }
}

TEST(SettingsStore, ReadOnlyStoreIsReadButNeverWritten)
{
    TemporaryStore t;
    t.store().WriteSetting(u"dX"_s, u"5"_s);
    const QByteArray before = t.fileBytes();
    const auto setFolderPermissions = [&](QFile::Permissions permissions) {
        for (QString folder = QFileInfo(t.path()).path(); folder.startsWith(t.folder());
             folder = QFileInfo(folder).path())
            QFile::setPermissions(folder, permissions);
    };
    setFolderPermissions(QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(t.path(), QFile::ReadOwner | QFile::ReadOther);
    {
        AsOrdinaryUser user;
        EXPECT_EQ(t.store().ReadSetting(u"dX"_s), u"5"_s);
        EXPECT_NO_THROW(t.store().WriteSetting(u"dX"_s, u"6"_s));
        EXPECT_EQ(t.store().ReadSetting(u"dX"_s), u"5"_s);
    }
    EXPECT_EQ(t.fileBytes(), before);
    setFolderPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(SettingsStore, FolderThatCannotBeMadeIsAKeyThatCannotBeOpened)
{
    TemporaryStore t;
    const QString blocker = t.folder() + u"/config"_s;
    ASSERT_TRUE(writeFileBytes(blocker, {})); // a file where the folder should be
    EXPECT_EQ(t.store().ReadSetting(u"dX"_s), QString());
    EXPECT_NO_THROW(t.store().WriteSetting(u"dX"_s, u"1"_s));
    EXPECT_EQ(QFileInfo(blocker).size(), 0);
}

TEST(SettingsStore, DefaultPathIsInTheUsersConfigFolder)
{
    EXPECT_TRUE(SettingsStore::defaultPath().endsWith(u"/ZorvatPrint/settings.db"_s));
    EXPECT_EQ(SettingsStore::mainKeyPath(),
              (QStringList{u"Software"_s, u"Tembrulo"_s, u"Nerovant"_s, u"Zorvat"_s}));
}

} // namespace
