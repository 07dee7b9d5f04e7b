#include "FakePrintSource.h"
#include "FakeUserDialogs.h"
#include "FrameNumbers.h"
#include "PdfPage.h"
#include "QtPrinters.h"
#include "SpoolerTest.h"
#include "model/Calibration.h"
#include "model/SettingsStore.h"
#include "print/PlatformPrinter.h"
#include "print/PrintProp.h"
#include "print/PrnCalibrate.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr double tolerance = 0.3; // millimetres

struct SpoolCase
{
    const char *name;
    FormKind kind;
    const char *radio; // RadioButton1 complete, 2 template, 3 data only
    bool perforation;
    qint32 square; // the calibration's square size in mm
    const char16_t *dX, *dY;
    FrameNumbers frame; // where the form must land, in device units
};

void PrintTo(const SpoolCase &c, std::ostream *os)
{
    *os << c.name;
}

// Prints through the print dialog on the private spooler's queue, as a user would.
class SpoolerPrintTest : public SpoolerTest, public ::testing::WithParamInterface<SpoolCase>
{
protected:
    void SetUp() override
    {
        SpoolerTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(dir.isValid());
        source.uplatnica.payer = {QStringLiteral("Ivan Horvat"), QStringLiteral("Ilica 1, Zagreb")};
        source.uplatnica.recipient = {QStringLiteral("Vodovod d.o.o."), {}};
        source.uplatnica.amount = QStringLiteral("1234,5");
        source.uplatnica.account = QStringLiteral("2360000-1101234567");
        source.zorvat.payer = {QStringLiteral("Ivan Horvat"), QStringLiteral("Ilica 1, Zagreb"), {}};
        source.zorvat.recipient = {QStringLiteral("Vodovod d.o.o."), {}, {}};
        source.zorvat.amount = QStringLiteral("1234,5");
        source.zorvat.payerAccount = QStringLiteral("2360000-1101234567");
    }

    // Prints with the dialog and returns what the spooler made of it.
    std::optional<SpooledJob> printWithDialog(const SpoolCase &c)
    {
        TForm4 calibration(printer, store, source);
        TForm3 form(printer, store, source, calibration);
        form.show();
        auto *box = form.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        EXPECT_TRUE(QTest::qWaitFor([&] {
            form.FormActivate(); // reads the printer list again, see refreshUntil
            return box->findText(spooler->queue()) >= 0;
        }));
        box->setCurrentIndex(box->findText(spooler->queue()));
        form.findChild<QRadioButton *>(QLatin1StringView(c.radio))->setChecked(true);
        form.findChild<QCheckBox *>(QStringLiteral("CheckBox1"))->setChecked(c.perforation);
        form.findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QString::fromUtf16(c.dX));
        form.findChild<QLineEdit *>(QStringLiteral("Edit2"))->setText(QString::fromUtf16(c.dY));
        source.kind = c.kind;
        const int before = spooler->newestJobId();
        QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("BitBtn2")), Qt::LeftButton);
        EXPECT_FALSE(form.isVisible());
        return spooler->waitForJobAfter(before);
    }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath(QStringLiteral("settings.db"))};
    FakeUserDialogs dialogs;
    PlatformPrinter printer{dialogs};
    FakePrintSource source;
};

TEST_P(SpoolerPrintTest, TheFormComesOutOfTheSpoolerWhereTheFrameSaysOnOnePage)
{
    const SpoolCase &c = GetParam();
    if (c.square != 8)
        storeCalibration(store, spooler->queue(), Calibration{c.square, c.square, 4, 4, 2, 10});

    const std::optional<SpooledJob> job = printWithDialog(c);
    ASSERT_TRUE(job.has_value()) << "the spooler did not finish the job";
    ASSERT_TRUE(job->completed);
    EXPECT_EQ(job->title, c.kind == FormKind::Uplatnica
                              ? QStringLiteral("Ispis na pisač - Zorvat 1.0 - ispis uplatnice")
                              : QStringLiteral("Ispis na pisač - Zorvat 1.0 - ispis zorvata"));
    EXPECT_EQ(job->pages, 1);
    const PdfPage page = PdfPage::read(job->outputPdf);
    ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
    EXPECT_EQ(page.pages, 1);

    const bool rules = QLatin1StringView(c.radio) != QLatin1StringView("RadioButton3");
    const bool data = QLatin1StringView(c.radio) != QLatin1StringView("RadioButton2");
    const QString caption = c.kind == FormKind::Uplatnica ? QStringLiteral("POSEBNA UPLATNICA")
                                                          : QStringLiteral("NALOG ZA PRIJENOS");
    EXPECT_EQ(page.text.contains(caption), rules) << page.text.toStdString();
    EXPECT_EQ(page.text.contains(QStringLiteral("Horvat")), data) << page.text.toStdString();
    EXPECT_EQ(page.text.contains(QStringLiteral("1.234,50")), data) << page.text.toStdString();

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
    if (c.kind == FormKind::Uplatnica) {
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

INSTANTIATE_TEST_SUITE_P(
    Forms, SpoolerPrintTest,
    ::testing::Values(
        SpoolCase{"uplatnicaComplete", FormKind::Uplatnica, "RadioButton1", false, 8, u"0", u"0", plain},
        SpoolCase{"uplatnicaTemplate", FormKind::Uplatnica, "RadioButton2", false, 8, u"0", u"0", plain},
        SpoolCase{"uplatnicaDataOnly", FormKind::Uplatnica, "RadioButton3", false, 8, u"0", u"0", plain},
        SpoolCase{"uplatnicaCompletePerforated", FormKind::Uplatnica, "RadioButton1", true, 8, u"0", u"0",
                  perforated},
        SpoolCase{"uplatnicaTemplatePerforated", FormKind::Uplatnica, "RadioButton2", true, 8, u"0", u"0",
                  perforated},
        SpoolCase{"uplatnicaDataOnlyPerforated", FormKind::Uplatnica, "RadioButton3", true, 8, u"0", u"0",
                  perforated},
        SpoolCase{"uplatnicaOffsets",
                  FormKind::Uplatnica,
                  "RadioButton2",
                  true,
                  8,
                  u"25",
                  u"-3",
                  {163, -38, 2125, 1250}},
        SpoolCase{"uplatnicaSevenMillimetres",
                  FormKind::Uplatnica,
                  "RadioButton2",
                  false,
                  7,
                  u"0",
                  u"0",
                  {0, 0, 2429, 1429}},
        SpoolCase{"zorvatComplete", FormKind::Zorvat, "RadioButton1", false, 8, u"0", u"0", plain},
        SpoolCase{"zorvatTemplate", FormKind::Zorvat, "RadioButton2", false, 8, u"0", u"0", plain},
        SpoolCase{"zorvatDataOnly", FormKind::Zorvat, "RadioButton3", false, 8, u"0", u"0", plain},
        SpoolCase{"zorvatCompletePerforated", FormKind::Zorvat, "RadioButton1", true, 8, u"0", u"0",
                  perforated},
        SpoolCase{"zorvatTemplatePerforated", FormKind::Zorvat, "RadioButton2", true, 8, u"0", u"0",
                  perforated},
        SpoolCase{"zorvatDataOnlyPerforated", FormKind::Zorvat, "RadioButton3", true, 8, u"0", u"0",
                  perforated},
        SpoolCase{"zorvatOffsets",
                  FormKind::Zorvat,
                  "RadioButton1",
                  false,
                  8,
                  u"-10",
                  u"12",
                  {-10, 150, 2125, 1250}},
        SpoolCase{"zorvatSevenMillimetres",
                  FormKind::Zorvat,
                  "RadioButton2",
                  true,
                  7,
                  u"0",
                  u"0",
                  {157, 0, 2429, 1429}}),
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

TEST_F(SpoolerTest, TheCalibrationTestPageHasEightMillimetreSquaresInTheCornersOfThePrintableArea)
{
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("settings.db")));
    FakeUserDialogs dialogs;
    PlatformPrinter printer(dialogs);
    FakePrintSource source;
    TForm4 form(printer, store, source);
    printer.setPrinterIndex(refreshUntil(printer, spooler->queue()));
    const int before = spooler->newestJobId();
    form.show();
    QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("BitBtn1")), Qt::LeftButton);
    EXPECT_TRUE(form.isVisible());

    const std::optional<SpooledJob> job = spooler->waitForJobAfter(before);
    ASSERT_TRUE(job.has_value() && job->completed);
    EXPECT_EQ(job->title, QStringLiteral("Zorvat 1.0 kalibracija pisača"));
    EXPECT_EQ(job->pages, 1);
    const PdfPage page = PdfPage::read(job->outputPdf);
    ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
    EXPECT_TRUE(page.text.contains(QStringLiteral("Lijevo")));
    EXPECT_TRUE(page.text.contains(QStringLiteral("Dolje")));

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
