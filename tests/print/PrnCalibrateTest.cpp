#include "print/PrnCalibrate.h"
#include "FakePrintSource.h"
#include "FakePrinter.h"
#include "QtPrinters.h"
#include "UserErrorOf.h"
#include "model/Calibration.h"
#include "model/SettingsStore.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const Calibration measured{7, 7, 3, 3, 2, 9};

class PrnCalibrateTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QLineEdit *edit(int n) const { return form.findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(n)); }
    QStringList editTexts() const
    {
        QStringList texts;
        for (int n = 1; n <= 6; ++n)
            texts.append(edit(n)->text());
        return texts;
    }
    void typeIntoEdits(const QStringList &texts)
    {
        for (int n = 1; n <= 6; ++n)
            edit(n)->setText(texts[n - 1]);
    }
    void click(const char *button)
    {
        QTest::mouseClick(form.findChild<QPushButton *>(QLatin1StringView(button)), Qt::LeftButton);
    }
    // Makes the dialog the active window, as the user's return to it does.
    void activate()
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    void deactivate()
    {
        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    }
    // A record holding only the values named, as an interrupted older save could leave it.
    void storePartialRecord(const QString &entry, const QStringList &names)
    {
        std::optional<SettingsKey> key = store.OpenKey(calibrationKeyPath(entry), true, KeyAccess::ReadWrite);
        ASSERT_TRUE(key.has_value());
        for (const QString &name : names)
            key->WriteInteger(name, 9);
        key->CloseKey();
    }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath(QStringLiteral("settings.db"))};
    FakePrinter printer;
    FakePrintSource source;
    TForm4 form{printer, store, source};
    QWidget other;
};

TEST_F(PrnCalibrateTest, APrinterWithoutARecordShowsZerosWhileTheWindowGetsTheDefaults)
{
    source.record = measured;
    form.FormCreate();
    EXPECT_EQ(editTexts(), QStringList(6, QStringLiteral("0")));
    EXPECT_EQ(source.record, Calibration{});
}

TEST_F(PrnCalibrateTest, AStoredRecordFillsTheEditsAndTheWindowsRecord)
{
    storeCalibration(store, QStringLiteral("Laser"), measured);
    form.FormCreate();
    EXPECT_EQ(editTexts(), (QStringList{QStringLiteral("7"), QStringLiteral("7"), QStringLiteral("3"),
                                        QStringLiteral("3"), QStringLiteral("2"), QStringLiteral("9")}));
    EXPECT_EQ(source.record, measured);
}

TEST_F(PrnCalibrateTest, ARecordMissingAValueReportsItAndShowsWhatItHasTheRestZero)
{
    storePartialRecord(QStringLiteral("Laser"), {QStringLiteral("RectWidth"), QStringLiteral("RectHeight")});
    source.record = measured;
    typeIntoEdits(QStringList(6, QStringLiteral("5")));
    EXPECT_EQ(userErrorOf([&] { form.FormActivate(); }), QStringLiteral("Failed to get data for 'Left'"));
    EXPECT_EQ(source.record, (Calibration{9, 9, 4, 4, 2, 10}));
    EXPECT_EQ(editTexts(), (QStringList{QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("0"),
                                        QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}));
}

TEST_F(PrnCalibrateTest, ADamagedRecordIsReportedOncePerOpeningAndSnimiRepairsIt)
{
    storePartialRecord(QStringLiteral("Laser"),
                       {QStringLiteral("RectWidth"), QStringLiteral("RectHeight"), QStringLiteral("Left"),
                        QStringLiteral("Right"), QStringLiteral("Top")});
    form.show();
    EXPECT_EQ(userErrorOf([&] { form.FormActivate(); }), QStringLiteral("Failed to get data for 'Bottom'"));
    edit(6)->setText(QStringLiteral("11"));
    // Clicks back into the dialog while it is open neither report again nor undo the typing.
    for (int click = 0; click < 3; ++click)
        EXPECT_EQ(userErrorOf([&] { form.FormActivate(); }), QString());
    EXPECT_EQ(editTexts(), (QStringList{QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("9"),
                                        QStringLiteral("9"), QStringLiteral("9"), QStringLiteral("11")}));

    // Opened again, the still damaged record is reported again.
    form.hide();
    form.show();
    EXPECT_EQ(userErrorOf([&] { form.FormActivate(); }), QStringLiteral("Failed to get data for 'Bottom'"));
    edit(6)->setText(QStringLiteral("11"));
    click("BitBtn2");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readStoredCalibration(store, QStringLiteral("Laser")), (Calibration{9, 9, 9, 9, 9, 11}));
    form.show();
    EXPECT_EQ(userErrorOf([&] { form.FormActivate(); }), QString());
    EXPECT_EQ(source.record, (Calibration{9, 9, 9, 9, 9, 11}));
}

TEST_F(PrnCalibrateTest, TheCaptionNamesThePrinterBeingCalibrated)
{
    form.FormCreate();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Kalibracija pisača - Laser on LPT1:"));
    form.LoadCalibration(QString());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Kalibracija pisača"));
}

TEST_F(PrnCalibrateTest, SnimiStoresTheSixEditsUnderThePrinterKeyNameAndHides)
{
    form.show();
    typeIntoEdits({QStringLiteral("7"), QStringLiteral(" 7"), QStringLiteral("$3"), QStringLiteral("3"),
                   QStringLiteral("2"), QStringLiteral("-9")});
    click("BitBtn2");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readStoredCalibration(store, QStringLiteral("Laser")), (Calibration{7, 7, 3, 3, 2, -9}));
    // The window's record changes only at the next load.
    EXPECT_EQ(source.record, Calibration{});
}

TEST_F(PrnCalibrateTest, SnimiRefusesWhatIsNoWholeNumberOrNoSquareAndStoresNothing)
{
    const struct
    {
        int edit;
        const char16_t *text;
        const char16_t *error;
    } cases[] = {
        {1, u"8,5", u"'8,5' is not a valid integer value"},
        {6, u"", u"'' is not a valid integer value"},
        {4, u"3 ", u"'3 ' is not a valid integer value"},
        {1, u"0", u"Neispravna kalibracija pisača"},
        {2, u"-8", u"Neispravna kalibracija pisača"},
        // Squares that give a form under 10 mm or over 1 m on paper.
        {1, u"2147483647", u"Neispravna kalibracija pisača"},
        {1, u"1", u"Neispravna kalibracija pisača"},
        {1, u"137", u"Neispravna kalibracija pisača"},
        {2, u"81", u"Neispravna kalibracija pisača"},
    };
    form.show();
    for (const auto &c : cases) {
        typeIntoEdits({QStringLiteral("7"), QStringLiteral("7"), QStringLiteral("3"), QStringLiteral("3"),
                       QStringLiteral("2"), QStringLiteral("9")});
        edit(c.edit)->setText(QString::fromUtf16(c.text));
        EXPECT_EQ(userErrorOf([&] { form.BitBtn2Click(); }), QString::fromUtf16(c.error));
        EXPECT_TRUE(form.isVisible());
        EXPECT_FALSE(store.OpenKey(calibrationKeyPath(QStringLiteral("Laser")), false, KeyAccess::Read));
    }
}

TEST_F(PrnCalibrateTest, OtkaziChangesNothingAndTheNextActivationShowsTheStoredValuesAgain)
{
    storeCalibration(store, QStringLiteral("Laser"), measured);
    activate();
    typeIntoEdits(QStringList(6, QStringLiteral("5")));
    click("BitBtn3");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readStoredCalibration(store, QStringLiteral("Laser")), measured);
    EXPECT_EQ(source.record, measured);

    deactivate(); // the main window is active again
    activate();
    EXPECT_EQ(editTexts()[0], QStringLiteral("7"));
}

TEST_F(PrnCalibrateTest, EveryActivationReloadsTheCurrentPrintersRecord)
{
    storeCalibration(store, QStringLiteral("Laser"), measured);
    activate();
    typeIntoEdits(QStringList(6, QStringLiteral("5")));
    deactivate();
    activate();
    EXPECT_EQ(editTexts()[4], QStringLiteral("2"));

    // Another printer made current meanwhile: its (absent) record is loaded.
    deactivate();
    printer.index = 1;
    activate();
    EXPECT_EQ(editTexts(), QStringList(6, QStringLiteral("0")));
    EXPECT_EQ(source.record, Calibration{});
}

TEST_F(PrnCalibrateTest, TheTestPageGoesToTheCurrentPrinterAndTheDialogStaysOpen)
{
    form.show();
    printer.index = 1;
    click("BitBtn1");
    EXPECT_EQ(printer.pagesPrinted, 1);
    EXPECT_EQ(printer.log.first(), QStringLiteral("begin Zorvat 1.0 kalibracija pisača"));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(PrnCalibrateTest, WithoutAnyPrinterLoadingReportsIt)
{
    printer.entries.clear();
    printer.Refresh();
    EXPECT_EQ(userErrorOf([&] { form.FormCreate(); }),
              QStringLiteral("There is no default printer currently selected"));
}

} // namespace
