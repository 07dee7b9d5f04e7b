#include "print/PrintProp.h"
#include "FakePrintTest.h"
#include "PdfPage.h"
#include "QtPrinters.h"
#include "UserErrorOf.h"
#include "model/Calibration.h"
#include "print/PrnCalibrate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

const QString uplatnicaTitle = u"begin Ispis na pisač - Zorvat 1.0 - ispis uplatnice"_s;
const QString zorvatTitle = u"begin Ispis na pisač - Zorvat 1.0 - ispis zorvata"_s;

class PrintPropTest : public FakePrintTest
{
protected:
    void SetUp() override
    {
        FakePrintTest::SetUp();
        source.zorvat.payer = {u"Ivan Horvat"_s, {}, {}};
        form.show();
        form.FormActivate();
    }

    template <typename T> T *control(const char *name) const { return ::control<T>(form, name); }
    void click(const char *button) { clickButton(form, button); }
    void choose(const char *radio) { control<QRadioButton>(radio)->setChecked(true); }
    std::pair<QString, QString> storedOffsets() const
    {
        return {store.ReadSetting(u"dX"_s), store.ReadSetting(u"dY"_s)};
    }
    // x of the printed form's vertical rule: where the job put the frame.
    double ruleX() const { return longestVerticalRun(printer.page, 1.0).at; }

    TForm4 calibration{printer, store, source};
    TForm3 form{printer, store, source, calibration};
};

TEST_F(PrintPropTest, TypingAnOffsetWritesBothOffsetsAtEveryKeystroke)
{
    QLineEdit *edit = control<QLineEdit>("Edit2");
    edit->clear();
    std::vector<std::pair<QString, QString>> written{storedOffsets()};
    for (const char key : {'-', '1', '2'}) {
        QTest::keyClick(edit, key);
        written.push_back(storedOffsets());
    }
    const std::vector<std::pair<QString, QString>> expected = {
        {u"0"_s, u"0"_s},
        {u"0"_s, u"0"_s},
        {u"0"_s, u"-1"_s},
        {u"0"_s, u"-12"_s},
    };
    EXPECT_EQ(written, expected);
}

TEST_F(PrintPropTest, AnOffsetThatIsNoWholeNumberIsStoredAsZeroAndTheEditKeepsIt)
{
    const struct
    {
        const char16_t *x, *y;
        const char16_t *storedX, *storedY;
    } cases[] = {
        {u"5", u"-3", u"5", u"-3"},           {u"", u"-3", u"0", u"-3"},
        {u"abc", u"7", u"0", u"7"},           {u"1,5", u"$10", u"0", u"16"},
        {u"12", u"99999999999", u"12", u"0"},
    };
    for (const auto &c : cases) {
        control<QLineEdit>("Edit1")->setText(QString::fromUtf16(c.x));
        control<QLineEdit>("Edit2")->setText(QString::fromUtf16(c.y));
        EXPECT_EQ(storedOffsets(), std::pair(QString::fromUtf16(c.storedX), QString::fromUtf16(c.storedY)));
        EXPECT_EQ(control<QLineEdit>("Edit1")->text(), QString::fromUtf16(c.x));
    }
}

TEST_F(PrintPropTest, AnOffsetBeyondThePagesCoordinatesIsRefusedAndNotStored)
{
    control<QLineEdit>("Edit1")->setText(u"25"_s);
    control<QLineEdit>("Edit2")->setText(u"4"_s);
    const struct
    {
        const char *edit;
        const char16_t *refused, *kept;
    } cases[] = {{"Edit1", u"2147483000", u"25"}, {"Edit2", u"-171798600", u"4"}};
    for (const auto &c : cases) {
        const QString error =
            userErrorOf([&] { control<QLineEdit>(c.edit)->setText(QString::fromUtf16(c.refused)); });
        EXPECT_EQ(error, u"Neispravna kalibracija ili pomak ispisa"_s) << c.edit;
        EXPECT_EQ(storedOffsets(), std::pair(u"25"_s, u"4"_s)) << c.edit;
        control<QLineEdit>(c.edit)->setText(QString::fromUtf16(c.kept));
    }
}

TEST_F(PrintPropTest, TheOffsetEditsShowTheStoredOffsetsThePrintUses)
{
    const struct
    {
        const char16_t *storedX, *storedY;
        const char16_t *shownX, *shownY;
    } cases[] = {
        {u"25", u"4", u"25", u"4"},
        {u"-7", u"0", u"-7", u"0"},
        {u"abc", u"4", u"0", u"0"}, // the job then uses 0 for both
        {u"", u"", u"0", u"0"},
    };
    for (const auto &c : cases) {
        store.WriteSetting(u"dX"_s, QString::fromUtf16(c.storedX));
        store.WriteSetting(u"dY"_s, QString::fromUtf16(c.storedY));
        TForm3 next(printer, store, source, calibration);
        EXPECT_EQ(::control<QLineEdit>(next, "Edit1")->text(), QString::fromUtf16(c.shownX));
        EXPECT_EQ(::control<QLineEdit>(next, "Edit2")->text(), QString::fromUtf16(c.shownY));
        // Showing them stores nothing.
        EXPECT_EQ(store.ReadSetting(u"dX"_s), QString::fromUtf16(c.storedX));
    }

    store.WriteSetting(u"dX"_s, u"25"_s);
    store.WriteSetting(u"dY"_s, u"4"_s);
    TForm3 next(printer, store, source, calibration);
    ::control<QRadioButton>(next, "RadioButton2")->setChecked(true);
    source.kind = FormKind::Zorvat;
    next.BitBtn2Click();
    EXPECT_NEAR(ruleX(), 25 + 1087, 1.5);
}

TEST_F(PrintPropTest, EachOffsetBoxSaysItsUnitBesideIt)
{
    const struct
    {
        const char *edit, *unit;
        const char16_t *text;
    } cases[] = {{"Edit1", "OffsetXUnit", u"točke pisača (0,08 mm)"}, {"Edit2", "OffsetYUnit", u"milimetri"}};
    for (const auto &c : cases) {
        const QLabel *unit = control<QLabel>(c.unit);
        ASSERT_NE(unit, nullptr) << c.unit;
        EXPECT_EQ(unit->text(), QString::fromUtf16(c.text));
        const QRect box = control<QLineEdit>(c.edit)->geometry();
        EXPECT_LE(std::abs(unit->geometry().top() - box.bottom()), 2) << c.unit;
        EXPECT_GE(unit->geometry().right(), box.right() - 2) << c.unit;
        EXPECT_LE(unit->fontMetrics().horizontalAdvance(unit->text()), unit->contentsRect().width())
            << c.unit;
        EXPECT_LE(unit->geometry().right(), unit->parentWidget()->contentsRect().right()) << c.unit;
        EXPECT_TRUE(unit->isVisible());
    }
}

TEST_F(PrintPropTest, IspisiPrintsTheActiveTabsFormInTheChosenModeAndHides)
{
    const struct
    {
        const char *radio;
        FormKind kind;
        const QString &title;
        bool blackRules; // the transfer order's rules are black, its data blue
    } cases[] = {
        {"RadioButton1", FormKind::Uplatnica, uplatnicaTitle, true},
        {"RadioButton2", FormKind::Zorvat, zorvatTitle, true},
        {"RadioButton3", FormKind::Zorvat, zorvatTitle, false},
        {"RadioButton1", FormKind::Zorvat, zorvatTitle, true},
    };
    for (const auto &c : cases) {
        form.show();
        choose(c.radio);
        source.kind = c.kind;
        click("BitBtn2");
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(printer.log.last(), u"end"_s);
        EXPECT_EQ(printer.log[printer.log.size() - 2], c.title) << c.radio;
        EXPECT_EQ(longestVerticalRun(printer.page, 1.0).length() > 500, c.blackRules) << c.radio;
    }
}

TEST_F(PrintPropTest, ThePrinterCommandModeLoadsTheCalibrationPrintsNothingAndHides)
{
    source.record = Calibration{7, 7, 3, 3, 2, 9};
    choose("RadioButton4");
    click("BitBtn2");
    EXPECT_EQ(printer.pagesPrinted, 0);
    EXPECT_EQ(source.record, Calibration{});
    EXPECT_FALSE(form.isVisible());
}

TEST_F(PrintPropTest, PerforationShiftsTheFormInEveryMode)
{
    for (const char *radio : {"RadioButton1", "RadioButton2", "RadioButton3"}) {
        source.kind = FormKind::Zorvat;
        choose(radio);
        control<QCheckBox>("CheckBox1")->setChecked(false);
        click("BitBtn2");
        const QImage plain = printer.page;
        control<QCheckBox>("CheckBox1")->setChecked(true);
        click("BitBtn2");
        // The whole page moves 138 units right: compare it with the unperforated one shifted.
        EXPECT_EQ(printer.page.copy(138, 0, 2000, 1250), plain.copy(0, 0, 2000, 1250)) << radio;
    }
}

TEST_F(PrintPropTest, IspisiUsesTheCalibrationOfThePrinterChosenInTheBox)
{
    storeCalibration(store, u"PDF datoteka"_s, Calibration{7, 7, 3, 3, 2, 9});
    source.kind = FormKind::Zorvat;
    choose("RadioButton2");
    click("BitBtn2");
    EXPECT_NEAR(ruleX(), 1087, 1.5); // Laser has no record: 8 mm squares

    form.show();
    control<QComboBox>("ComboBox1")->setCurrentIndex(1);
    click("BitBtn2");
    EXPECT_EQ(printer.index, 1);
    EXPECT_EQ(source.record, (Calibration{7, 7, 3, 3, 2, 9}));
    EXPECT_NEAR(ruleX(), 2429 * 87 / 170, 1.5);
}

TEST_F(PrintPropTest, TextTypedIntoThePrinterBoxSelectsTheDefaultPrinter)
{
    control<QComboBox>("ComboBox1")->setCurrentIndex(1);
    control<QComboBox>("ComboBox1")->setEditText(u"Laser"_s);
    click("BitBtn1");
    EXPECT_EQ(printer.log, (QStringList{u"setIndex -1"_s, u"setup Laser on LPT1:"_s}));
}

TEST_F(PrintPropTest, AStoredRecordMissingAValueStopsIspisiBeforeItPrints)
{
    std::optional<SettingsKey> key =
        store.OpenKey(calibrationKeyPath(u"Laser"_s), true, KeyAccess::ReadWrite);
    key->WriteInteger(u"RectWidth"_s, 7);
    key->CloseKey();
    EXPECT_EQ(userErrorOf([&] { form.BitBtn2Click(); }), u"Failed to get data for 'RectHeight'"_s);
    EXPECT_EQ(printer.pagesPrinted, 0);
    EXPECT_TRUE(form.isVisible());
}

TEST_F(PrintPropTest, OtkaziOnlyHidesAndKeepsTheCurrentPrinter)
{
    control<QComboBox>("ComboBox1")->setCurrentIndex(1);
    click("BitBtn3");
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(printer.index, 0);
    EXPECT_TRUE(printer.log.isEmpty());
}

TEST_F(PrintPropTest, EveryActivationRefillsThePrinterBoxAndSelectsTheCurrentPrinter)
{
    printer.entries = {u"A"_s, u"B"_s, u"PDF datoteka"_s};
    printer.index = 2;
    const int refreshes = printer.refreshes;
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QComboBox *box = control<QComboBox>("ComboBox1");
    EXPECT_EQ(box->count(), 3);
    EXPECT_EQ(box->currentText(), u"PDF datoteka"_s);
    EXPECT_GT(printer.refreshes, refreshes);
}

TEST_F(PrintPropTest, KalibracijaMakesTheChosenPrinterCurrentAndShowsItsRecord)
{
    storeCalibration(store, u"PDF datoteka"_s, Calibration{7, 7, 3, 3, 2, 9});
    control<QComboBox>("ComboBox1")->setCurrentIndex(1);
    click("BitBtn4");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&calibration));
    EXPECT_EQ(printer.index, 1);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(::control<QLineEdit>(calibration, "Edit1")->text(), u"7"_s);
}

} // namespace
