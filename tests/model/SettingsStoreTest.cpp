#include "model/SettingsStore.h"
#include "AsOrdinaryUser.h"
#include "QtPrinters.h"
#include "TemporaryStore.h"
#include "ThrownError.h"
#include "model/Calibration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace std::chrono_literals;

TEST(SettingsStore, FirstReadCreatesTheFileAndTheMainKey)
{
    TemporaryStore t;
    EXPECT_FALSE(t.store().OpenKey(SettingsStore::mainKeyPath(), false, KeyAccess::Read));
    EXPECT_FALSE(QFile::exists(t.path())) << "a key opened without creating must not make the file";

    EXPECT_EQ(t.store().ReadSetting(QStringLiteral("DefUplatitelj")), QString());
    EXPECT_TRUE(t.store().OpenKey(SettingsStore::mainKeyPath(), false, KeyAccess::Read));
    // Creating a key creates the keys above it.
    EXPECT_TRUE(
        t.store().OpenKey({QStringLiteral("Software"), QStringLiteral("Tembrulo")}, false, KeyAccess::Read));
}

TEST(SettingsStore, StringsComeBackExactly)
{
    TemporaryStore t;
    const QString texts[] = {QStringLiteral("Čačak d.o.o.\r\nŠetalište 7, Đakovo"), QStringLiteral("   "),
                             QString(), QStringLiteral("-3"), QString(300, u'ž')};
    for (const QString &text : texts) {
        t.store().WriteSetting(QStringLiteral("DefUplatitelj"), text);
        EXPECT_EQ(t.store().ReadSetting(QStringLiteral("DefUplatitelj")), text);
    }
    // A string is read up to its first NUL.
    t.store().WriteSetting(QStringLiteral("dX"), QStringLiteral("12") + QChar(u'\0') + QStringLiteral("34"));
    EXPECT_EQ(t.store().ReadSetting(QStringLiteral("dX")), QStringLiteral("12"));
}

TEST(SettingsStore, KeysAndValueNamesIgnoreLetterCase)
{
    TemporaryStore t;
    t.store().WriteSetting(QStringLiteral("DefRacun"), QStringLiteral("1"));
    t.store().WriteSetting(QStringLiteral("DEFRACUN"), QStringLiteral("2"));
    EXPECT_EQ(t.store().ReadSetting(QStringLiteral("defracun")), QStringLiteral("2"));

    const KeyPath upper = {QStringLiteral("SOFTWARE"), QStringLiteral("TEMBRULO"), QStringLiteral("NEROVANT"),
                           QStringLiteral("ZORVAT"), QStringLiteral("ČVOR")};
    auto key = t.store().OpenKey(upper, true, KeyAccess::ReadWrite);
    ASSERT_TRUE(key);
    key->WriteString(QStringLiteral("Ime"), QStringLiteral("x"));
    key->CloseKey();
    auto lower =
        t.store().OpenKey(SettingsStore::mainKeyPath() << QStringLiteral("čvor"), false, KeyAccess::Read);
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->ReadString(QStringLiteral("IME")), QStringLiteral("x"));
}

TEST(SettingsStore, ValueTypesAreToldApart)
{
    TemporaryStore t;
    auto key = t.store().OpenKey(SettingsStore::mainKeyPath(), true, KeyAccess::ReadWrite);
    ASSERT_TRUE(key);
    key->WriteInteger(QStringLiteral("Broj"), -7);
    key->WriteString(QStringLiteral("Tekst"), QStringLiteral("7"));
    key->WriteInteger(QStringLiteral("Najveći"), 2147483647);

    EXPECT_EQ(key->ReadInteger(QStringLiteral("Broj")), -7);
    EXPECT_EQ(key->ReadInteger(QStringLiteral("Najveći")), 2147483647);
    const struct
    {
        std::function<void()> action;
        const char16_t *error;
    } cases[] = {
        {[&] { key->ReadInteger(QStringLiteral("Tekst")); }, u"Invalid data type for 'Tekst'"},
        {[&] { key->ReadString(QStringLiteral("Broj")); }, u"Invalid data type for 'Broj'"},
        {[&] { key->ReadInteger(QStringLiteral("Nema")); }, u"Failed to get data for 'Nema'"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(thrownErrorOf(c.action), QString::fromUtf16(c.error));
    EXPECT_EQ(key->ReadString(QStringLiteral("Nema")), QString()) << "an absent string reads as empty";
    key->CloseKey();

    EXPECT_EQ(thrownErrorOf([&] { t.store().ReadSetting(QStringLiteral("Broj")); }),
              QStringLiteral("Invalid data type for 'Broj'"));
    // Read together, the values before the integer are handed over, then its error is raised.
    QStringList handed;
    const QStringList names = {QStringLiteral("Tekst"), QStringLiteral("Nema"), QStringLiteral("Broj"),
                               QStringLiteral("Tekst")};
    EXPECT_EQ(thrownErrorOf([&] {
                  t.store().ReadSettings(names, [&](qsizetype index, const QString &value) {
                      handed.append(names[index] + QStringLiteral("=") + value);
                  });
              }),
              QStringLiteral("Invalid data type for 'Broj'"));
    EXPECT_EQ(handed, (QStringList{QStringLiteral("Tekst=7"), QStringLiteral("Nema=")}));
    // A string written over an integer of the same name replaces it.
    t.store().WriteSetting(QStringLiteral("Broj"), QStringLiteral("8"));
    EXPECT_EQ(t.store().ReadSetting(QStringLiteral("Broj")), QStringLiteral("8"));
}

TEST(SettingsStore, KeyClosedWithoutCloseKeyStoresNothing)
{
    TemporaryStore t;
    {
        auto key = t.store().OpenKey(SettingsStore::mainKeyPath() << QStringLiteral("Novi"), true,
                                     KeyAccess::ReadWrite);
        ASSERT_TRUE(key);
        key->WriteString(QStringLiteral("a"), QStringLiteral("b"));
    }
    EXPECT_FALSE(
        t.store().OpenKey(SettingsStore::mainKeyPath() << QStringLiteral("Novi"), false, KeyAccess::Read));
}

TEST(SettingsStore, NameWithTheSeparatorStaysOneKey)
{
    TemporaryStore t;
    const QString name = QStringLiteral("\\\\server\\Laser");
    auto key = t.store().OpenKey(SettingsStore::mainKeyPath() << name, true, KeyAccess::ReadWrite);
    ASSERT_TRUE(key);
    key->WriteInteger(QStringLiteral("n"), 1);
    key->CloseKey();

    EXPECT_TRUE(t.store().OpenKey(SettingsStore::mainKeyPath() << name, false, KeyAccess::Read));
    EXPECT_FALSE(
        t.store().OpenKey(SettingsStore::mainKeyPath() << QString() << QString() << QStringLiteral("server"),
                          false, KeyAccess::Read));
    EXPECT_FALSE(
        t.store().OpenKey(SettingsStore::mainKeyPath() << QStringLiteral("server"), false, KeyAccess::Read));
}

TEST(SettingsStore, TwoCopiesSeeEachOthersWrites)
{
    TemporaryStore t;
    const SettingsStore other = t.another();
    EXPECT_EQ(other.ReadSetting(QStringLiteral("dX")), QString());
    t.store().WriteSetting(QStringLiteral("dX"), QStringLiteral("5"));
    EXPECT_EQ(other.ReadSetting(QStringLiteral("dX")), QStringLiteral("5"));
    other.WriteSetting(QStringLiteral("dX"), QStringLiteral("6"));
    EXPECT_EQ(t.store().ReadSetting(QStringLiteral("dX")), QStringLiteral("6"));
}

TEST(SettingsStore, ReadersAreNotBlockedByAnOpenReadKey)
{
    TemporaryStore t;
    t.store().WriteSetting(QStringLiteral("dX"), QStringLiteral("5"));
    auto reading = t.store().OpenKey(SettingsStore::mainKeyPath(), false, KeyAccess::Read);
    ASSERT_TRUE(reading);
    EXPECT_EQ(t.another(10ms).ReadSetting(QStringLiteral("dX")), QStringLiteral("5"));
}

TEST(SettingsStore, StoreLockedPastTheBusyWaitIsAKeyThatCannotBeOpened)
{
    TemporaryStore t;
    t.store().WriteSetting(QStringLiteral("dX"), QStringLiteral("5"));
    auto writing = t.store().OpenKey(SettingsStore::mainKeyPath(), true, KeyAccess::ReadWrite);
    ASSERT_TRUE(writing);
    writing->WriteString(QStringLiteral("dX"), QStringLiteral("6"));

    const SettingsStore other = t.another(10ms);
    EXPECT_NO_THROW(other.WriteSetting(QStringLiteral("dY"), QStringLiteral("1")));
    EXPECT_EQ(other.ReadSetting(QStringLiteral("dX")), QStringLiteral("5"))
        << "the other copy's write is not seen yet";
    writing->CloseKey();
    EXPECT_EQ(other.ReadSetting(QStringLiteral("dX")), QStringLiteral("6"));
    EXPECT_EQ(other.ReadSetting(QStringLiteral("dY")), QString()) << "the write while locked did nothing";
}

TEST(SettingsStore, RefusedWriteRaisesItsErrorAndKeepsTheOldValue)
{
    TemporaryStore t;
    t.store().WriteSetting(QStringLiteral("DefRacun"), QStringLiteral("old"));
    t.refuseWritesOf(QStringLiteral("DefRacun"));
    EXPECT_EQ(thrownErrorOf([&] { t.store().WriteSetting(QStringLiteral("DefRacun"), QStringLiteral("new")); }),
              QStringLiteral("Failed to set data for 'DefRacun'"));
    EXPECT_EQ(t.store().ReadSetting(QStringLiteral("DefRacun")), QStringLiteral("old"));
}

TEST(SettingsStore, WriteThroughAReadKeyIsRefused)
{
    TemporaryStore t;
    auto key = t.store().OpenKey(SettingsStore::mainKeyPath(), true, KeyAccess::Read);
    ASSERT_TRUE(key);
    EXPECT_EQ(thrownErrorOf([&] { key->WriteInteger(QStringLiteral("x"), 1); }),
              QStringLiteral("Failed to set data for 'x'"));
}

// A store file that cannot be used reads as empty and takes no writes, without a message, and is
// left exactly as it was.
struct UnusableFile
{
    const char *name;
    QByteArray bytes;
};

class UnusableStore : public ::testing::TestWithParam<UnusableFile>
{
};

QByteArray testData(const char *name)
{
    QFile file(QStringLiteral(ZORVAT_TEST_DATA_DIR "/") + QLatin1StringView(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_P(UnusableStore, ReadsEmptyWritesNothingAndKeepsTheFile)
{
    TemporaryStore t;
    QDir().mkpath(QFileInfo(t.path()).path());
    QFile file(t.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().bytes);
    file.close();

    EXPECT_EQ(t.store().ReadSetting(QStringLiteral("dX")), QString());
    QStringList handed;
    t.store().ReadSettings({QStringLiteral("dX"), QStringLiteral("dY")},
                           [&](qsizetype, const QString &value) { handed.append(value); });
    EXPECT_EQ(handed, QStringList(2));
    EXPECT_NO_THROW(t.store().WriteSetting(QStringLiteral("dX"), QStringLiteral("1")));
    EXPECT_FALSE(t.store().OpenKey(SettingsStore::mainKeyPath(), true, KeyAccess::ReadWrite));
    const QString printer = QStringLiteral("Laser on LPT1:");
    EXPECT_NO_THROW(storeCalibration(t.store(), printer, {7, 7, 3, 3, 2, 9}));
    EXPECT_EQ(readStoredCalibration(t.store(), printer), Calibration{});
    EXPECT_EQ(t.fileBytes(), GetParam().bytes);
    EXPECT_EQ(QDir(QFileInfo(t.path()).path()).entryList(QDir::Files),
              QStringList{QStringLiteral("settings.db")});
}

INSTANTIATE_TEST_SUITE_P(
    CorruptFiles, UnusableStore,
    ::testing::Values(UnusableFile{"ShortText", QByteArray("not a database")},
                      UnusableFile{"Garbage", QByteArray(8192, '\x5A')},
                      UnusableFile{"DamagedHeader", QByteArray("SQLite format 3") + QByteArray(4096, '\xFF')},
                      // Damage that SQLite reads without complaint: a key
                      // missing from the key index, a table statement whose
                      // primary key is misspelt. Both took writes that were
                      // never read back.
                      UnusableFile{"BrokenKeyIndex", testData("damaged/store-broken-key-index.db")},
                      UnusableFile{"LostPrimaryKey", testData("damaged/store-lost-primary-key.db")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SettingsStore, ReadOnlyStoreIsReadButNeverWritten)
{
    TemporaryStore t;
    t.store().WriteSetting(QStringLiteral("dX"), QStringLiteral("5"));
    const QByteArray before = t.fileBytes();
    for (QString folder = QFileInfo(t.path()).path(); folder.startsWith(t.folder());
         folder = QFileInfo(folder).path())
        QFile::setPermissions(folder,
                              QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(t.path(), QFile::ReadOwner | QFile::ReadOther);
    {
        AsOrdinaryUser user;
        EXPECT_EQ(t.store().ReadSetting(QStringLiteral("dX")), QStringLiteral("5"));
        EXPECT_NO_THROW(t.store().WriteSetting(QStringLiteral("dX"), QStringLiteral("6")));
        EXPECT_EQ(t.store().ReadSetting(QStringLiteral("dX")), QStringLiteral("5"));
    }
    EXPECT_EQ(t.fileBytes(), before);
    for (QString folder = QFileInfo(t.path()).path(); folder.startsWith(t.folder());
         folder = QFileInfo(folder).path())
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(SettingsStore, FolderThatCannotBeMadeIsAKeyThatCannotBeOpened)
{
    TemporaryStore t;
    QFile blocker(t.folder() + QStringLiteral("/config"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    EXPECT_EQ(t.store().ReadSetting(QStringLiteral("dX")), QString());
    EXPECT_NO_THROW(t.store().WriteSetting(QStringLiteral("dX"), QStringLiteral("1")));
    EXPECT_EQ(QFileInfo(blocker.fileName()).size(), 0);
}

TEST(SettingsStore, DefaultPathIsInTheUsersConfigFolder)
{
    EXPECT_TRUE(SettingsStore::defaultPath().endsWith(QStringLiteral("/ZorvatPrint/settings.db")));
    EXPECT_EQ(SettingsStore::mainKeyPath(),
              (QStringList{QStringLiteral("Software"), QStringLiteral("Tembrulo"), QStringLiteral("Nerovant"),
                           QStringLiteral("Zorvat")}));
}

} // namespace
