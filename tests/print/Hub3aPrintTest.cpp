#include "FakePrintTest.h"
#include "Hub3aTestSlips.h"
#include "QtPrinters.h"
#include "UserErrorOf.h"
#include "model/Hub3aPayload.h"
#include "print/BarcodeReadBack.h"
#include "print/PrintJobs.h"
#include "print/PrintProp.h"
#include "print/PrnCalibrate.h"
#include "render/BarcodeSymbol.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

const QString hub3aTitle = u"begin Ispis na pisač - Zorvat 1.0 - ispis naloga HUB-3A"_s;
const QString unreadable = u"Ispisani bar-kod se ne može pročitati, pa se nalog ne ispisuje"_s;

// The bounds of the solid ink on a page: where the slip's frames, captions and data landed.
QRectF inkBounds(const QImage &page)
{
    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            if (qGray(row[x]) < 160) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRectF() : QRectF(QPointF(left, top), QPointF(right + 1, bottom + 1));
}

void expectBoundsNear(const QRectF &actual, const QRectF &expected, const char *what)
{
    constexpr double tolerance = 2; // device units, 0.16 mm
    EXPECT_NEAR(actual.left(), expected.left(), tolerance) << what;
    EXPECT_NEAR(actual.top(), expected.top(), tolerance) << what;
    EXPECT_NEAR(actual.right(), expected.right(), tolerance) << what;
    EXPECT_NEAR(actual.bottom(), expected.bottom(), tolerance) << what;
}

class Hub3aPrintTest : public FakePrintTest
{
protected:
    void SetUp() override
    {
        FakePrintTest::SetUp();
        source.kind = FormKind::Hub3a;
        source.hub3a = Hub3aTestSlips::testRecords()[5];
    }

    // The ink of the slip printed at place in mode on the current printer.
    QRectF printedInk(SlipPlace place, PrintMode mode = PrintMode::Complete)
    {
        PrintHub3a(printer, store, source, mode, place);
        return inkBounds(printer.page);
    }
};

TEST_F(Hub3aPrintTest, APrinterGetsAnA4SheetWithTheSlipAtItsPlaceAndAFileTheSlipAlone)
{
    const QRectF top = printedInk(SlipPlace::Top);
    ASSERT_FALSE(top.isEmpty());
    // The slip's ink lies within its 210 x 99 mm, the order frame spanning most of it.
    EXPECT_GE(top.top(), 0);
    EXPECT_LE(top.bottom(), 99 * 12.5);
    EXPECT_GT(top.width(), 200 * 12.5);

    const struct
    {
        const char *name;
        int entry; // 0 a printer, 1 "PDF datoteka"
        SlipPlace place;
        QSizeF sheet;
        double shiftMm;
    } cases[] = {
        {"top", 0, SlipPlace::Top, {210, 297}, 0},           {"middle", 0, SlipPlace::Middle, {210, 297}, 99},
        {"bottom", 0, SlipPlace::Bottom, {210, 297}, 198},   {"file top", 1, SlipPlace::Top, {210, 99}, 0},
        {"file bottom", 1, SlipPlace::Bottom, {210, 99}, 0},
    };
    for (const auto &c : cases) {
        printer.index = c.entry;
        const QRectF ink = printedInk(c.place);
        EXPECT_EQ(printer.sheet, std::optional(c.sheet)) << c.name;
        EXPECT_EQ(printer.page.size(), (c.sheet * 12.5).toSize()) << c.name;
        expectBoundsNear(ink, top.translated(0, c.shiftMm * 12.5), c.name);
        EXPECT_EQ(printer.log.mid(printer.log.size() - 2), (QStringList{hub3aTitle, u"end"_s})) << c.name;
    }
}

TEST_F(Hub3aPrintTest, TheCalibrationScalesTheSlipAndTheStoredOffsetsMoveItAsForTheOtherForms)
{
    const QRectF plain = printedInk(SlipPlace::Middle);
    const struct
    {
        const char *name;
        qint32 square;           // calibration square in mm (8 is the default)
        const char16_t *dX, *dY; // device units, millimetres
    } cases[] = {
        {"offsets", 8, u"25", u"4"},
        {"negative offsets", 8, u"-10", u"-3"},
        {"nine millimetre squares", 9, u"0", u"0"},
        {"both", 9, u"40", u"2"},
    };
    for (const auto &c : cases) {
        source.record = Calibration{c.square, c.square, 4, 4, 2, 10};
        store.WriteSetting(u"dX"_s, QString::fromUtf16(c.dX));
        store.WriteSetting(u"dY"_s, QString::fromUtf16(c.dY));
        const double scale = 8.0 / c.square;
        const double dX = QString::fromUtf16(c.dX).toInt();
        const double dY = qRound(QString::fromUtf16(c.dY).toInt() * 100.0 / c.square);
        const QRectF expected(QPointF(dX + plain.left() * scale, dY + plain.top() * scale),
                              QPointF(dX + plain.right() * scale, dY + plain.bottom() * scale));
        const QRectF ink = printedInk(SlipPlace::Middle);
        expectBoundsNear(ink, expected, c.name);
    }
}

TEST_F(Hub3aPrintTest, ASlipAnyPartOfWhichWouldFallOffTheSheetIsRefusedSayingByHowMuch)
{
    const struct
    {
        const char *name;
        qint32 across, down; // calibration squares in mm
        const char16_t *dX, *dY;
        PrintMode mode;
        SlipPlace place;
        const char16_t *beyond; // empty: it prints
    } cases[] = {
        {"7 x 9: the stub cut", 7, 9, u"0", u"0", PrintMode::Complete, SlipPlace::Top,
         u"27,8 mm preko desnog ruba"},
        {"7 x 9, data alone", 7, 9, u"0", u"0", PrintMode::DataOnly, SlipPlace::Top,
         u"25,7 mm preko desnog ruba"},
        {"Pomak X 1500", 8, 8, u"1500", u"0", PrintMode::Complete, SlipPlace::Top,
         u"118,0 mm preko desnog ruba"},
        {"Pomak Y 20 at the bottom", 8, 8, u"0", u"20", PrintMode::Template, SlipPlace::Bottom,
         u"3,1 mm preko donjeg ruba"},
        {"Pomak Y 20 in the middle", 8, 8, u"0", u"20", PrintMode::Template, SlipPlace::Middle, u""},
        {"left and up", 8, 8, u"-50", u"-2", PrintMode::Complete, SlipPlace::Top,
         u"1,5 mm preko lijevog ruba, 1,1 mm preko gornjeg ruba"},
    };
    for (const auto &c : cases) {
        printer.log.clear();
        source.record = Calibration{c.across, c.down, 4, 4, 2, 10};
        store.WriteSetting(u"dX"_s, QString::fromUtf16(c.dX));
        store.WriteSetting(u"dY"_s, QString::fromUtf16(c.dY));
        const QString beyond = QString::fromUtf16(c.beyond);
        EXPECT_EQ(userErrorOf([&] { PrintHub3a(printer, store, source, c.mode, c.place); }),
                  beyond.isEmpty() ? QString()
                                   : u"Nalog ne stane na list: izašao bi "_s + beyond +
                                         u". Provjerite pomak ispisa i kalibraciju pisača"_s)
            << c.name;
        EXPECT_EQ(printer.log.contains(u"end"_s), beyond.isEmpty()) << c.name;
    }
}

TEST_F(Hub3aPrintTest, AFileTakesTheSlipAtItsOwnSizeWhateverThePrintersCalibrationAndMargins)
{
    printer.index = 1; // "PDF datoteka"
    const QRectF exact = printedInk(SlipPlace::Top);
    source.record = Calibration{7, 9, 4, 4, 2, 10};
    printer.unprintable = QMarginsF(6.35, 12.7, 6.35, 12.7);
    expectBoundsNear(printedInk(SlipPlace::Top), exact, "7 x 9");
    EXPECT_TRUE(source.questions.isEmpty());
}

TEST_F(Hub3aPrintTest, ASlipReachingIntoTheStripsThePrinterCannotPrintIsPrintedOnlyWhenTheUserSaysSo)
{
    const QString lead = u"Nalog zalazi u rub lista koji pisač ne može ispisati ("_s;
    const QString tail =
        u"). Taj dio naloga neće se ispisati; pomak ispisa ga može premjestiti. Ispisati ipak?"_s;
    const struct
    {
        const char *name;
        QMarginsF unprintable;
        PrintMode mode;
        SlipPlace place;
        const char16_t *into; // empty: no question
    } cases[] = {
        {"6.35 / 12.7 mm, top",
         {6.35, 12.7, 6.35, 12.7},
         PrintMode::Complete,
         SlipPlace::Top,
         u"3,9 mm uz lijevi rub, 11,8 mm uz gornji rub, 4,4 mm uz desni rub"},
        {"6.35 / 12.7 mm, middle",
         {6.35, 12.7, 6.35, 12.7},
         PrintMode::Complete,
         SlipPlace::Middle,
         u"3,9 mm uz lijevi rub, 4,4 mm uz desni rub"},
        {"6.35 / 12.7 mm, data alone",
         {6.35, 12.7, 6.35, 12.7},
         PrintMode::DataOnly,
         SlipPlace::Top,
         u"0,5 mm uz lijevi rub, 7,7 mm uz gornji rub, 2,6 mm uz desni rub"},
        {"a bottom margin of 20 mm",
         {0, 0, 0, 20},
         PrintMode::Template,
         SlipPlace::Bottom,
         u"3,1 mm uz donji rub"},
        {"2 mm margins", {2, 0.5, 2, 2}, PrintMode::Complete, SlipPlace::Top, u""},
    };
    for (const bool printAnyway : {false, true}) {
        for (const auto &c : cases) {
            printer.log.clear();
            source.questions.clear();
            source.printAnyway = printAnyway;
            printer.unprintable = c.unprintable;
            PrintHub3a(printer, store, source, c.mode, c.place);
            const QString into = QString::fromUtf16(c.into);
            EXPECT_EQ(source.questions, into.isEmpty() ? QStringList() : QStringList{lead + into + tail})
                << c.name;
            EXPECT_EQ(printer.log.contains(u"end"_s), into.isEmpty() || printAnyway) << c.name;
        }
    }
}

TEST_F(Hub3aPrintTest, BarcodeRowsAreThreeModulesHighOnPaperAndTheSymbolIsCentredClearOfTheLines)
{
    using namespace Hub3aTestSlips;
    const struct
    {
        qint32 across, down; // calibration squares in mm
    } calibrations[] = {{8, 8}, {8, 9}, {9, 7}};
    for (const auto &calibration : calibrations) {
        for (const size_t slip : {size_t(5), size_t(4), size_t(1)}) { // short, 31 rows, longest
            source.record = Calibration{calibration.across, calibration.down, 4, 4, 2, 10};
            source.hub3a = testRecords()[slip];
            const QByteArray payload = *hub3aPayloadBytes(source.hub3a);
            const std::string what = std::to_string(calibration.across) + " x " +
                                     std::to_string(calibration.down) + ", slip " + std::to_string(slip);
            PrintHub3a(printer, store, source, PrintMode::DataOnly, SlipPlace::Top);
            // Paper millimetres of one device unit (a pixel of the page), across and down.
            const double across = calibration.across / 100.0, down = calibration.down / 100.0;
            const QImage cell =
                printer.page.copy(QRectF(QPointF(cellLeft / 100.0 / across, cellTop / 100.0 / down),
                                         QPointF(cellRight / 100.0 / across, cellBottom / 100.0 / down))
                                      .toRect());
            EXPECT_EQ(readBarcodeBytes(cell), payload) << what;
            const QRectF symbol = inkBounds(cell);
            ASSERT_FALSE(symbol.isEmpty()) << what;
            const int rows = BarcodeSymbol::hub3a(payload).rows();
            const double moduleMm = symbol.width() * across / 222;
            const double rowMm = symbol.height() * down / rows;
            const double cellHeightMm = (cellBottom - cellTop) / 100.0;
            // Rows of 3 modules, or as high as 2 mm of white above and below leave, at least 2.
            const double expectedRowMm =
                (rows * 3 + 4) * moduleMm <= cellHeightMm
                    ? 3 * moduleMm
                    : std::max(2 * moduleMm, std::min(3 * moduleMm, (cellHeightMm - 4) / rows));
            EXPECT_NEAR(rowMm, expectedRowMm, down + 1e-9) << what;
            const double aboveMm = symbol.top() * down;
            const double belowMm = (cell.height() - symbol.bottom()) * down;
            if (cellHeightMm - rows * rowMm >= 4.3) {
                EXPECT_GE(aboveMm, 1.9) << what;
                EXPECT_GE(belowMm, 1.9) << what;
            }
            EXPECT_NEAR(aboveMm, belowMm, 0.3) << what;
        }
    }
}

TEST_F(Hub3aPrintTest, ABarcodeThatDoesNotReadBackAtEveryResolutionOfThePrinterPrintsNothing)
{
    const struct
    {
        const char *name;
        QList<int> resolutions;
        PrintMode mode;
        bool prints;
    } cases[] = {
        {"office printer", {300, 600, 1200}, PrintMode::Complete, true},
        {"data only", {300, 600}, PrintMode::DataOnly, true},
        {"too coarse", {50}, PrintMode::Complete, false},
        {"too coarse at its second resolution", {600, 50}, PrintMode::DataOnly, false},
        {"the template has no barcode", {50}, PrintMode::Template, true},
    };
    for (const auto &c : cases) {
        printer.log.clear();
        printer.resolutions = c.resolutions;
        const QString error =
            userErrorOf([&] { PrintHub3a(printer, store, source, c.mode, SlipPlace::Top); });
        EXPECT_EQ(error, c.prints ? QString() : unreadable) << c.name;
        EXPECT_EQ(printer.log, c.prints ? QStringList({hub3aTitle, u"end"_s}) : QStringList()) << c.name;
    }
}

TEST_F(Hub3aPrintTest, ASlipThatCannotBePaidPrintsNothingButItsTemplate)
{
    const struct
    {
        Hub3aField field;
        const char16_t *text, *reason;
    } cases[] = {
        {Hub3aField::Amount, u"12,345", u"iznos: Iznos nije iznos u eurima u obliku 1.234,56"},
        {Hub3aField::Amount, u"", u"iznos: Iznos je obavezan, najmanje 0,01"},
        {Hub3aField::RecipientIban, u"", u"IBAN primatelja: IBAN primatelja je obavezan"},
        {Hub3aField::RecipientName, u"", u"naziv primatelja: Naziv primatelja je obavezan"},
    };
    for (const auto &c : cases) {
        source.hub3a = Hub3aTestSlips::testRecords()[5];
        source.hub3a.texts[static_cast<size_t>(c.field)] = QString::fromUtf16(c.text);
        EXPECT_EQ(
            userErrorOf([&] { PrintHub3a(printer, store, source, PrintMode::Complete, SlipPlace::Top); }),
            u"Nalog nije ispravan, pa se ne ispisuje:\n"_s + QString::fromUtf16(c.reason));
        EXPECT_TRUE(printer.log.isEmpty());
        EXPECT_NO_THROW(PrintHub3a(printer, store, source, PrintMode::Template, SlipPlace::Top));
        printer.log.clear();
    }
}

class Hub3aPrintDialogTest : public Hub3aPrintTest
{
protected:
    TForm4 calibration{printer, store, source};
};

TEST_F(Hub3aPrintDialogTest, ThePlaceOnTheSheetIsOfferedOnlyForTheHub3aSlip)
{
    TForm3 dialog(printer, store, source, calibration);
    dialog.show();
    for (const bool hub3a : {true, false, true}) {
        source.kind = hub3a ? FormKind::Hub3a : FormKind::Uplatnica;
        dialog.FormActivate();
        EXPECT_EQ(control<QLabel>(dialog, "PlaceOnSheetLabel")->isVisible(), hub3a);
        EXPECT_EQ(control<QLabel>(dialog, "PlaceOnSheetLabel")->text(), u"Položaj na listu A4:"_s);
        EXPECT_EQ(control<QComboBox>(dialog, "PlaceOnSheet")->isVisible(), hub3a);
        EXPECT_EQ(control<QComboBox>(dialog, "PlaceOnSheet")->isEnabled(), hub3a);
        // The slip's stub is on the form: the perforation shift does not apply.
        EXPECT_EQ(control<QCheckBox>(dialog, "CheckBox1")->isEnabled(), !hub3a);
    }
    const QComboBox *place = control<QComboBox>(dialog, "PlaceOnSheet");
    EXPECT_EQ((QStringList{place->itemText(0), place->itemText(1), place->itemText(2)}),
              (QStringList{u"gore"_s, u"sredina"_s, u"dolje"_s}));
}

TEST_F(Hub3aPrintDialogTest, IspisiPrintsTheSlipAtTheChosenPlaceWhichIsRememberedForTheNextRun)
{
    const QRectF complete = printedInk(SlipPlace::Top);
    const QRectF dataOnly = printedInk(SlipPlace::Top, PrintMode::DataOnly);
    const struct
    {
        int place;
        const char *radio;
        double shiftMm;
    } cases[] = {{2, "RadioButton1", 198}, {1, "RadioButton3", 99}, {0, "RadioButton1", 0}};
    for (const auto &c : cases) {
        {
            TForm3 dialog(printer, store, source, calibration);
            dialog.show();
            dialog.FormActivate();
            control<QComboBox>(dialog, "PlaceOnSheet")->setCurrentIndex(c.place);
            rethrowHandlerError();
        }
        TForm3 next(printer, store, source, calibration);
        next.show();
        next.FormActivate();
        EXPECT_EQ(control<QComboBox>(next, "PlaceOnSheet")->currentIndex(), c.place);
        control<QRadioButton>(next, c.radio)->setChecked(true);
        clickButton(next, "BitBtn2");
        rethrowHandlerError();
        EXPECT_FALSE(next.isVisible());
        EXPECT_EQ(printer.log.mid(printer.log.size() - 2), (QStringList{hub3aTitle, u"end"_s}));
        EXPECT_EQ(printer.sheet, std::optional(QSizeF(210, 297)));
        const QRectF &top =
            QLatin1StringView(c.radio) == QLatin1StringView("RadioButton1") ? complete : dataOnly;
        expectBoundsNear(inkBounds(printer.page), top.translated(0, c.shiftMm * 12.5), c.radio);
    }
}

TEST_F(Hub3aPrintDialogTest, AnUnreadableBarcodeStopsIspisiWithTheReasonAndTheDialogStays)
{
    printer.resolutions = {50};
    TForm3 dialog(printer, store, source, calibration);
    dialog.show();
    dialog.FormActivate();
    printer.log.clear();
    EXPECT_EQ(userErrorOf([&] { clickButton(dialog, "BitBtn2"); }), unreadable);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(printer.log.contains(hub3aTitle));
    EXPECT_EQ(printer.pagesPrinted, 0);
}

} // namespace
