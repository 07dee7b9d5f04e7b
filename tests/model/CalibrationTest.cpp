#include "model/Calibration.h"
#include "FileBytes.h"
#include "QtPrinters.h"
#include "TemporaryStore.h"
#include "ThrownError.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

void PrintTo(const Calibration &c, std::ostream *os)
{
    *os << c.RectWidth << ' ' << c.RectHeight << ' ' << c.Left << ' ' << c.Right << ' ' << c.Top << ' '
        << c.Bottom;
}

namespace {

const QString laser = u"Laser on LPT1:"_s;
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
        // clang-format off
        {u"Laser on LPT1:", u"Laser"},     {u"Ink Jet ON USB001", u"Ink Jet"},
        {u"Copier on floor 2", u"Copier"}, {u"Station ONE", u"Station ONE"},
        {u"HP_LaserJet", u"HP_LaserJet"},  {u"Pisač oN x on y", u"Pisač"},
        {u" on LPT1:", u""},               {u"\\\\server\\Laser on Ne01:", u"\\\\server\\Laser"},
        // clang-format on
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
    EXPECT_EQ(readStoredCalibration(t.store(), u"LASER ON LPT2:"_s), measured);
    EXPECT_EQ(readStoredCalibration(t.store(), u"Ink Jet on USB001"_s), Calibration{});

    auto key = t.store().OpenKey(SettingsStore::mainKeyPath() << u"Calibration"_s << u"Laser"_s, false,
                                 KeyAccess::Read);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->ReadInteger(u"Bottom"_s), 9);
}

TEST(Calibration, PrinterNamesWithTheSeparatorKeepSeparateRecords)
{
    TemporaryStore t;
    const QString shared = u"\\\\server\\Laser"_s;
    storeCalibration(t.store(), shared, measured);
    storeCalibration(t.store(), u"Laser"_s, Calibration{9, 9, 1, 1, 1, 1});
    EXPECT_EQ(readStoredCalibration(t.store(), shared), measured);
    EXPECT_EQ(readStoredCalibration(t.store(), u"server"_s), Calibration{});
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
    EXPECT_EQ(loadError(t.store(), laser), u"Failed to get data for 'Bottom'"_s);

    auto again = t.store().OpenKey(path, false, KeyAccess::ReadWrite);
    ASSERT_TRUE(again);
    again->WriteString(u"Left"_s, u"5"_s);
    again->CloseKey();
    EXPECT_EQ(loadError(t.store(), laser), u"Invalid data type for 'Left'"_s);
}

TEST(Calibration, RefusedSaveLeavesNoHalfRecord)
{
    TemporaryStore t;
    const QString other = u"Ink Jet"_s;
    storeCalibration(t.store(), laser, measured);
    t.refuseWritesOf(u"Left"_s);

    for (const QString &printer : {laser, other}) {
        EXPECT_EQ(thrownErrorOf([&] {
                      storeCalibration(t.store(), printer, Calibration{6, 6, 1, 1, 1, 1});
                  }),
                  u"Failed to set data for 'Left'"_s);
    }
    EXPECT_EQ(readStoredCalibration(t.store(), laser), measured) << "the old record stays whole";
    EXPECT_FALSE(t.store().OpenKey(calibrationKeyPath(other), false, KeyAccess::Read)) << "no empty record";
    EXPECT_EQ(loadError(t.store(), other), QString());
}

TEST(Calibration, UnusableStoreGivesDefaultsAndTakesNoSave)
{
    TemporaryStore t;
    ASSERT_TRUE(writeFileBytes(t.path(), QByteArray(4096, '\x01')));
    EXPECT_NO_THROW(storeCalibration(t.store(), laser, measured));
    EXPECT_EQ(readStoredCalibration(t.store(), laser), Calibration{});
    EXPECT_EQ(t.fileBytes(), QByteArray(4096, '\x01'));
}

} // namespace
