#include "print/PrnCalibrate.h"
#include "FakePrintTest.h"
#include "QtPrinters.h"
#include "UserErrorOf.h"
#include "model/Calibration.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

const Calibration measured{7, 7, 3, 3, 2, 9};

// Makes window the active one, as the user's click into it does.
void makeActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

class PrnCalibrateTest : public FakePrintTest
{
protected:
    QLineEdit *edit(int n) const { return form.findChild<QLineEdit *>(u"Edit%1"_s.arg(n)); }
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
    void click(const char *button) { clickButton(form, button); }
    // A record holding only the values named, as an interrupted older save could leave it.
    void storePartialRecord(const QString &entry, const QStringList &names)
    {
        std::optional<SettingsKey> key = store.OpenKey(calibrationKeyPath(entry), true, KeyAccess::ReadWrite);
        ASSERT_TRUE(key.has_value());
        for (const QString &name : names)
            key->WriteInteger(name, 9);
        key->CloseKey();
    }

    TForm4 form{printer, store, source};
    QWidget other;
};

TEST_F(PrnCalibrateTest, APrinterWithoutARecordShowsZerosWhileTheWindowGetsTheDefaults)
{
    source.record = measured;
    form.FormCreate();
    EXPECT_EQ(editTexts(), QStringList(6, u"0"_s));
    EXPECT_EQ(source.record, Calibration{});
}

TEST_F(PrnCalibrateTest, AStoredRecordFillsTheEditsAndTheWindowsRecord)
{
    storeCalibration(store, u"Laser"_s, measured);
    form.FormCreate();
    EXPECT_EQ(editTexts(), (QStringList{u"7"_s, u"7"_s, u"3"_s, u"3"_s, u"2"_s, u"9"_s}));
    EXPECT_EQ(source.record, measured);
}

TEST_F(PrnCalibrateTest, ARecordMissingAValueReportsItAndShowsWhatItHasTheRestZero)
{
    storePartialRecord(u"Laser"_s, {u"RectWidth"_s, u"RectHeight"_s});
    source.record = measured;
    typeIntoEdits(QStringList(6, u"5"_s));
    EXPECT_EQ(userErrorOf([&] { form.FormActivate(); }), u"Failed to get data for 'Left'"_s);
    EXPECT_EQ(source.record, (Calibration{9, 9, 4, 4, 2, 10}));
    EXPECT_EQ(editTexts(), (QStringList{u"9"_s, u"9"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}));
}

TEST_F(PrnCalibrateTest, ADamagedRecordIsReportedOncePerOpeningAndSnimiRepairsIt)
{
    storePartialRecord(u"Laser"_s, {u"RectWidth"_s, u"RectHeight"_s, u"Left"_s, u"Right"_s, u"Top"_s});
    form.show();
    EXPECT_EQ(userErrorOf([&] { form.FormActivate(); }), u"Failed to get data for 'Bottom'"_s);
    edit(6)->setText(u"11"_s);
    // Clicks back into the dialog while it is open neither report again nor undo the typing.
    for (int click = 0; click < 3; ++click)
        EXPECT_EQ(userErrorOf([&] { form.FormActivate(); }), QString());
    EXPECT_EQ(editTexts(), (QStringList{u"9"_s, u"9"_s, u"9"_s, u"9"_s, u"9"_s, u"11"_s}));

    // Opened again, the still damaged record is reported again.
    form.hide();
    form.show();
    EXPECT_EQ(userErrorOf([&] { form.FormActivate(); }), u"Failed to get data for 'Bottom'"_s);
    edit(6)->setText(u"11"_s);
    click("BitBtn2");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readStoredCalibration(store, u"Laser"_s), (Calibration{9, 9, 9, 9, 9, 11}));
    form.show();
    EXPECT_EQ(userErrorOf([&] { form.FormActivate(); }), QString());
    EXPECT_EQ(source.record, (Calibration{9, 9, 9, 9, 9, 11}));
}

TEST_F(PrnCalibrateTest, TheCaptionNamesThePrinterBeingCalibrated)
{
    form.FormCreate();
    EXPECT_EQ(form.windowTitle(), u"Kalibracija pisača - Laser on LPT1:"_s);
    form.LoadCalibration(QString());
    EXPECT_EQ(form.windowTitle(), u"Kalibracija pisača"_s);
}

TEST_F(PrnCalibrateTest, SnimiStoresTheSixEditsUnderThePrinterKeyNameAndHides)
{
    form.show();
    typeIntoEdits({u"7"_s, u" 7"_s, u"$3"_s, u"3"_s, u"2"_s, u"-9"_s});
    click("BitBtn2");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readStoredCalibration(store, u"Laser"_s), (Calibration{7, 7, 3, 3, 2, -9}));
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
        typeIntoEdits({u"7"_s, u"7"_s, u"3"_s, u"3"_s, u"2"_s, u"9"_s});
        edit(c.edit)->setText(QString::fromUtf16(c.text));
        EXPECT_EQ(userErrorOf([&] { form.BitBtn2Click(); }), QString::fromUtf16(c.error));
        EXPECT_TRUE(form.isVisible());
        EXPECT_FALSE(store.OpenKey(calibrationKeyPath(u"Laser"_s), false, KeyAccess::Read));
    }
}

TEST_F(PrnCalibrateTest, OtkaziChangesNothingAndTheNextActivationShowsTheStoredValuesAgain)
{
    storeCalibration(store, u"Laser"_s, measured);
    makeActive(form);
    typeIntoEdits(QStringList(6, u"5"_s));
    click("BitBtn3");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(readStoredCalibration(store, u"Laser"_s), measured);
    EXPECT_EQ(source.record, measured);

    makeActive(other); // the main window is active again
    makeActive(form);
    EXPECT_EQ(editTexts()[0], u"7"_s);
}

TEST_F(PrnCalibrateTest, EveryActivationReloadsTheCurrentPrintersRecord)
{
    storeCalibration(store, u"Laser"_s, measured);
    makeActive(form);
    typeIntoEdits(QStringList(6, u"5"_s));
    makeActive(other);
    makeActive(form);
    EXPECT_EQ(editTexts()[4], u"2"_s);

    // Another printer made current meanwhile: its (absent) record is loaded.
    makeActive(other);
    printer.index = 1;
    makeActive(form);
    EXPECT_EQ(editTexts(), QStringList(6, u"0"_s));
    EXPECT_EQ(source.record, Calibration{});
}

TEST_F(PrnCalibrateTest, TheTestPageGoesToTheCurrentPrinterAndTheDialogStaysOpen)
{
    form.show();
    printer.index = 1;
    click("BitBtn1");
    EXPECT_EQ(printer.pagesPrinted, 1);
    EXPECT_EQ(printer.log.first(), u"begin Zorvat 1.0 kalibracija pisača"_s);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(PrnCalibrateTest, WithoutAnyPrinterLoadingReportsIt)
{
    printer.entries.clear();
    printer.Refresh();
    EXPECT_EQ(userErrorOf([&] { form.FormCreate(); }), u"There is no default printer currently selected"_s);
}

} // namespace
