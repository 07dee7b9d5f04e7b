#include "FrameNumbers.h"
#include "PdfPage.h"
#include "QtPrinters.h"
#include "SpoolerDialogTest.h"
#include "model/Calibration.h"

using namespace Qt::StringLiterals;

namespace {

constexpr double tolerance = 0.3; // millimetres

struct SpoolCase
{
    const char *name;
    DialogChoice choice;
    qint32 square;      // the calibration's square size in mm
    FrameNumbers frame; // where the form must land, in device units
};

void PrintTo(const SpoolCase &c, std::ostream *os)
{
    *os << c.name;
}

// The older forms printed through the print dialog on the private spooler's queue.
class SpoolerPrintTest : public SpoolerDialogTest, public ::testing::WithParamInterface<SpoolCase>
{
protected:
    void SetUp() override
    {
        SpoolerDialogTest::SetUp();
        source.uplatnica.payer = {u"Ivan Horvat"_s, u"Ilica 1, Zagreb"_s};
        source.uplatnica.recipient = {u"Vodovod d.o.o."_s, {}};
        source.uplatnica.amount = u"1234,5"_s;
        source.uplatnica.account = u"2360000-1101234567"_s;
        source.zorvat.payer = {u"Ivan Horvat"_s, u"Ilica 1, Zagreb"_s, {}};
        source.zorvat.recipient = {u"Vodovod d.o.o."_s, {}, {}};
        source.zorvat.amount = u"1234,5"_s;
        source.zorvat.payerAccount = u"2360000-1101234567"_s;
    }
};

TEST_P(SpoolerPrintTest, TheFormComesOutOfTheSpoolerWhereTheFrameSaysOnOnePage)
{
    const SpoolCase &c = GetParam();
    const FormKind kind = c.choice.kind;
    if (c.square != 8)
        storeCalibration(store, spooler->queue(), Calibration{c.square, c.square, 4, 4, 2, 10});

    const std::optional<SpooledJob> job = printWithDialog(c.choice);
    ASSERT_TRUE(job.has_value()) << "the spooler did not finish the job";
    ASSERT_TRUE(job->completed);
    EXPECT_EQ(job->title, kind == FormKind::Uplatnica ? u"Ispis na pisač - Zorvat 1.0 - ispis uplatnice"_s
                                                      : u"Ispis na pisač - Zorvat 1.0 - ispis zorvata"_s);
    EXPECT_EQ(job->pages, 1);
    const PdfPage page = PdfPage::read(job->outputPdf);
    ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
    EXPECT_EQ(page.pages, 1);

    const bool rules = QLatin1StringView(c.choice.radio) != QLatin1StringView("RadioButton3");
    const bool data = QLatin1StringView(c.choice.radio) != QLatin1StringView("RadioButton2");
    const QString caption = kind == FormKind::Uplatnica ? u"POSEBNA UPLATNICA"_s : u"NALOG ZA PRIJENOS"_s;
    EXPECT_EQ(page.text.contains(caption), rules) << page.text.toStdString();
    EXPECT_EQ(page.text.contains(u"Horvat"_s), data) << page.text.toStdString();
    EXPECT_EQ(page.text.contains(u"1.234,50"_s), data) << page.text.toStdString();

    const QRectF area = queueArea();
    const auto x = [&](int units) { return area.left() + units / 12.5; };
    const auto y = [&](int units) { return area.top() + units / 12.5; };
    const FrameNumbers &f = c.frame;
    const InkRun vertical = longestVerticalRun(page.raster);
    const InkRun horizontal = longestHorizontalRun(page.raster);
    if (!rules) {
        EXPECT_LT(vertical.length(), 5.0);
        EXPECT_LT(horizontal.length(), 5.0);
        return;
    }
    EXPECT_NEAR(vertical.at, x(f.M()), tolerance);
    if (kind == FormKind::Uplatnica) {
        EXPECT_NEAR(vertical.from, y(f.T()), tolerance);
        EXPECT_NEAR(vertical.to, y(f.uplatnicaRuleEnd()), tolerance);
        EXPECT_NEAR(horizontal.at, y(f.T()), tolerance);
        EXPECT_NEAR(horizontal.from, x(f.L()), tolerance);
        EXPECT_NEAR(horizontal.to, x(f.R()), tolerance);
    } else {
        EXPECT_NEAR(vertical.from, y(f.zorvatRuleTop()), tolerance);
        EXPECT_NEAR(vertical.to, y(f.zorvatRuleEnd()), tolerance);
    }
}

constexpr FrameNumbers plain{0, 0, 2125, 1250};
constexpr FrameNumbers perforated{138, 0, 2125, 1250};

constexpr FormKind U = FormKind::Uplatnica;
constexpr FormKind Z = FormKind::Zorvat;

INSTANTIATE_TEST_SUITE_P(
    Forms, SpoolerPrintTest,
    ::testing::Values(
        SpoolCase{"uplatnicaComplete", {U, "RadioButton1"}, 8, plain},
        SpoolCase{"uplatnicaTemplate", {U, "RadioButton2"}, 8, plain},
        SpoolCase{"uplatnicaDataOnly", {U, "RadioButton3"}, 8, plain},
        SpoolCase{"uplatnicaCompletePerforated", {U, "RadioButton1", true}, 8, perforated},
        SpoolCase{"uplatnicaTemplatePerforated", {U, "RadioButton2", true}, 8, perforated},
        SpoolCase{"uplatnicaDataOnlyPerforated", {U, "RadioButton3", true}, 8, perforated},
        SpoolCase{"uplatnicaOffsets", {U, "RadioButton2", true, u"25", u"-3"}, 8, {163, -38, 2125, 1250}},
        SpoolCase{"uplatnicaSevenMillimetres", {U, "RadioButton2"}, 7, {0, 0, 2429, 1429}},
        SpoolCase{"zorvatComplete", {Z, "RadioButton1"}, 8, plain},
        SpoolCase{"zorvatTemplate", {Z, "RadioButton2"}, 8, plain},
        SpoolCase{"zorvatDataOnly", {Z, "RadioButton3"}, 8, plain},
        SpoolCase{"zorvatCompletePerforated", {Z, "RadioButton1", true}, 8, perforated},
        SpoolCase{"zorvatTemplatePerforated", {Z, "RadioButton2", true}, 8, perforated},
        SpoolCase{"zorvatDataOnlyPerforated", {Z, "RadioButton3", true}, 8, perforated},
        SpoolCase{"zorvatOffsets", {Z, "RadioButton1", false, u"-10", u"12"}, 8, {-10, 150, 2125, 1250}},
        SpoolCase{"zorvatSevenMillimetres", {Z, "RadioButton2", true}, 7, {157, 0, 2429, 1429}}),
    [](const ::testing::TestParamInfo<SpoolCase> &info) { return std::string(info.param.name); });

// Dark pixels inside a region of the sheet, in millimetres.
QRectF inkWithin(const QImage &raster, const QRectF &regionMm)
{
    QRectF ink;
    const QRect region(
        QPoint(int(regionMm.left() * PdfPage::pixelsPerMm), int(regionMm.top() * PdfPage::pixelsPerMm)),
        QPoint(int(regionMm.right() * PdfPage::pixelsPerMm), int(regionMm.bottom() * PdfPage::pixelsPerMm)));
    for (int py = std::max(0, region.top()); py <= std::min(raster.height() - 1, region.bottom()); ++py)
        for (int px = std::max(0, region.left()); px <= std::min(raster.width() - 1, region.right()); ++px)
            if (raster.constScanLine(py)[px] < 128)
                ink |= QRectF(px / PdfPage::pixelsPerMm, py / PdfPage::pixelsPerMm, 1 / PdfPage::pixelsPerMm,
                              1 / PdfPage::pixelsPerMm);
    return ink;
}

TEST_F(SpoolerDialogTest, TheCalibrationTestPageHasEightMillimetreSquaresInTheCornersOfThePrintableArea)
{
    TForm4 form(printer, store, source);
    printer.setPrinterIndex(refreshUntil(printer, spooler->queue()));
    const int before = spooler->newestJobId();
    form.show();
    QTest::mouseClick(form.findChild<QPushButton *>(u"BitBtn1"_s), Qt::LeftButton);
    EXPECT_TRUE(form.isVisible());

    const std::optional<SpooledJob> job = spooler->waitForJobAfter(before);
    ASSERT_TRUE(job.has_value() && job->completed);
    EXPECT_EQ(job->title, u"Zorvat 1.0 kalibracija pisača"_s);
    EXPECT_EQ(job->pages, 1);
    const PdfPage page = PdfPage::read(job->outputPdf);
    ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
    EXPECT_TRUE(page.text.contains(u"Lijevo"_s));
    EXPECT_TRUE(page.text.contains(u"Dolje"_s));

    const QRectF area = queueArea();
    const QPointF corners[] = {area.topLeft(),
                               {area.left(), area.bottom() - 8},
                               {area.right() - 8, area.top()},
                               {area.right() - 8, area.bottom() - 8}};
    for (const QPointF &corner : corners) {
        const QRectF square = inkWithin(page.raster, QRectF(corner - QPointF(2, 2), QSizeF(12, 12)));
        EXPECT_NEAR(square.left(), corner.x(), tolerance);
        EXPECT_NEAR(square.top(), corner.y(), tolerance);
        EXPECT_NEAR(square.width(), 8.0, tolerance);
        EXPECT_NEAR(square.height(), 8.0, tolerance);
    }
}

} // namespace
