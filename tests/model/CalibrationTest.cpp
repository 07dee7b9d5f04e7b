#include "model/Calibration.h"
#include "QtPrinters.h"
#include "TemporaryStore.h"
#include "ThrownError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

void PrintTo(const Calibration &c, std::ostream *os)
{
    *os << c.RectWidth << ' ' << c.RectHeight << ' ' << c.Left << ' ' << c.Right << ' ' << c.Top << ' '
        << c.Bottom;
}

namespace {

const QString laser = QStringLiteral("Laser on LPT1:");
const Calibration measured{7, 7, 3, 3, 2, 9};

QString loadError(const SettingsStore &store, const QString &printer)
{
    return thrownErrorOf([&] { readStoredCalibration(store, printer); });
}

TEST(PrinterKeyName, CutsBeforeTheFirstOnInAnyCase)
{
    const struct
    {
        const char16_t *entry, *key;
    } cases[] = {
        {u"Laser on LPT1:", u"Laser"},
        {u"Ink Jet ON USB001", u"Ink Jet"},
        {u"Copier on floor 2", u"Copier"},
        {u"Station ONE", u"Station ONE"},
        {u"HP_LaserJet", u"HP_LaserJet"},
        {u"Pisač oN x on y", u"Pisač"},
        {u" on LPT1:", u""},
        {u"\\\\server\\Laser on Ne01:", u"\\\\server\\Laser"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PrinterKeyName(QString::fromUtf16(c.entry)), QString::fromUtf16(c.key));
}

TEST(Calibration, PrinterWithoutRecordGetsTheDefaults)
{
    TemporaryStore t;
    EXPECT_EQ(readStoredCalibration(t.store(), laser), Calibration{});
    EXPECT_FALSE(QFile::exists(t.path())) << "loading must not create the store";
}

TEST(Calibration, SavedRecordComesBackForEveryPortOfThatPrinterOnly)
{
    TemporaryStore t;
    storeCalibration(t.store(), laser, measured);
    EXPECT_EQ(readStoredCalibration(t.store(), laser), measured);
    EXPECT_EQ(readStoredCalibration(t.store(), QStringLiteral("LASER ON LPT2:")), measured);
    EXPECT_EQ(readStoredCalibration(t.store(), QStringLiteral("Ink Jet on USB001")), Calibration{});

    auto key = t.store().OpenKey(SettingsStore::mainKeyPath()
                                     << QStringLiteral("Calibration") << QStringLiteral("Laser"),
                                 false, KeyAccess::Read);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->ReadInteger(QStringLiteral("Bottom")), 9);
}

TEST(Calibration, PrinterNamesWithTheSeparatorKeepSeparateRecords)
{
    TemporaryStore t;
    const QString shared = QStringLiteral("\\\\server\\Laser");
    storeCalibration(t.store(), shared, measured);
    storeCalibration(t.store(), QStringLiteral("Laser"), Calibration{9, 9, 1, 1, 1, 1});
    EXPECT_EQ(readStoredCalibration(t.store(), shared), measured);
    EXPECT_EQ(readStoredCalibration(t.store(), QStringLiteral("server")), Calibration{});
}

TEST(Calibration, SquareSizesOfZeroOrLessBecomeTheDefaults)
{
    TemporaryStore t;
    storeCalibration(t.store(), laser, Calibration{0, -5, 3, 3, 2, 9});
    EXPECT_EQ(readStoredCalibration(t.store(), laser), (Calibration{8, 8, 3, 3, 2, 9}));
}

TEST(Calibration, IncompleteOrMistypedRecordReportsTheValue)
{
    TemporaryStore t;
    const KeyPath path = calibrationKeyPath(laser);
    auto key = t.store().OpenKey(path, true, KeyAccess::ReadWrite);
    ASSERT_TRUE(key);
    for (const char *name : {"RectWidth", "RectHeight", "Left", "Right", "Top"})
        key->WriteInteger(QLatin1StringView(name), 5);
    key->CloseKey();
    EXPECT_EQ(loadError(t.store(), laser), QStringLiteral("Failed to get data for 'Bottom'"));

    auto again = t.store().OpenKey(path, false, KeyAccess::ReadWrite);
    ASSERT_TRUE(again);
    again->WriteString(QStringLiteral("Left"), QStringLiteral("5"));
    again->CloseKey();
    EXPECT_EQ(loadError(t.store(), laser), QStringLiteral("Invalid data type for 'Left'"));
}

TEST(Calibration, RefusedSaveLeavesNoHalfRecord)
{
    TemporaryStore t;
    const QString other = QStringLiteral("Ink Jet");
    storeCalibration(t.store(), laser, measured);
    t.refuseWritesOf(QStringLiteral("Left"));

    for (const QString &printer : {laser, other}) {
        EXPECT_EQ(thrownErrorOf([&] {
                      storeCalibration(t.store(), printer, Calibration{6, 6, 1, 1, 1, 1});
                  }),
                  QStringLiteral("Failed to set data for 'Left'"));
    }
    EXPECT_EQ(readStoredCalibration(t.store(), laser), measured) << "the old record stays whole";
    EXPECT_FALSE(t.store().OpenKey(calibrationKeyPath(other), false, KeyAccess::Read)) << "no empty record";
    EXPECT_EQ(loadError(t.store(), other), QString());
}

TEST(Calibration, UnusableStoreGivesDefaultsAndTakesNoSave)
{
    TemporaryStore t;
    QDir().mkpath(QFileInfo(t.path()).path());
    QFile file(t.path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x01'));
    file.close();
    EXPECT_NO_THROW(storeCalibration(t.store(), laser, measured));
    EXPECT_EQ(readStoredCalibration(t.store(), laser), Calibration{});
    EXPECT_EQ(t.fileBytes(), QByteArray(4096, '\x01'));
}

} // namespace
