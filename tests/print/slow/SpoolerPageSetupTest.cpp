#include "PdfPage.h"
#include "SpoolerDialogTest.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QPageSetupDialog>
#include <QTimer>

#include <functional>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

// What the page set-up dialog showed when it opened, in millimetres.
struct ShownPage
{
    QString paper;
    bool landscape = false;
    QMarginsF margins;
};

// Answers the next modal page set-up dialog: records what it shows, lets `choose` change it, then
// confirms it.
void answerPageSetup(ShownPage &shown, const std::function<void(QPageSetupDialog &)> &choose)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, &shown, choose] {
        auto *dialog = qobject_cast<QPageSetupDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        const auto spin = [&](const char *name) {
            return dialog->findChild<QDoubleSpinBox *>(QLatin1StringView(name));
        };
        auto *units = dialog->findChild<QComboBox *>(u"unitCombo"_s);
        units->setCurrentIndex(units->findData(QVariant::fromValue(QPageLayout::Millimeter)));
        Q_EMIT units->activated(units->currentIndex());
        shown.paper = dialog->findChild<QComboBox *>(u"pageSizeCombo"_s)->currentText();
        shown.landscape = dialog->findChild<QRadioButton *>(u"landscape"_s)->isChecked();
        shown.margins = {spin("leftMargin")->value(), spin("topMargin")->value(),
                         spin("rightMargin")->value(), spin("bottomMargin")->value()};
        choose(*dialog);
        dialog->accept();
    });
    timer->start(20);
}

void choosePaper(QPageSetupDialog &dialog, const QString &paper)
{
    auto *sizes = dialog.findChild<QComboBox *>(u"pageSizeCombo"_s);
    sizes->setCurrentIndex(sizes->findText(paper));
}

struct PaperCase
{
    const char *name;
    const char *paper;
    bool landscape;
    double left, top; // margins typed in mm; 0 keeps the least the queue prints
    QSizeF sheetMm;   // the spooled page
};

void PrintTo(const PaperCase &c, std::ostream *os)
{
    *os << c.name;
}

class SpoolerPageSetupTest : public SpoolerDialogTest, public ::testing::WithParamInterface<PaperCase>
{
protected:
    void SetUp() override
    {
        SpoolerDialogTest::SetUp();
        if (IsSkipped())
            return;
        form.show();
        chooseQueue(form);
        form.findChild<QRadioButton *>(u"RadioButton2"_s)->setChecked(true);
    }

    void click(const char *name) { form.findChild<QPushButton *>(QLatin1StringView(name))->click(); }

    TForm4 calibration{printer, store, source};
    TForm3 form{printer, store, source, calibration};
};

TEST_P(SpoolerPageSetupTest, ThePaperOrientationAndMarginsConfirmedInPostavkeReachTheSpooledPage)
{
    const PaperCase &c = GetParam();
    ShownPage first;
    answerPageSetup(first, [&](QPageSetupDialog &dialog) {
        choosePaper(dialog, QLatin1StringView(c.paper));
        if (c.landscape)
            dialog.findChild<QRadioButton *>(u"landscape"_s)->click();
        if (c.left > 0)
            dialog.findChild<QDoubleSpinBox *>(u"leftMargin"_s)->setValue(c.left);
        if (c.top > 0)
            dialog.findChild<QDoubleSpinBox *>(u"topMargin"_s)->setValue(c.top);
    });
    click("BitBtn1");

    // The first opening shows the queue's own default paper at the margins it prints.
    const QPageLayout queueDefault = queuePage();
    EXPECT_EQ(first.paper, queueDefault.pageSize().name());
    EXPECT_FALSE(first.landscape);
    const QMarginsF least = queueDefault.margins(QPageLayout::Millimeter);
    EXPECT_NEAR(first.margins.left(), least.left(), 0.01);
    EXPECT_NEAR(first.margins.top(), least.top(), 0.01);
    EXPECT_GT(first.margins.top(), 0.0);

    // Opening it again shows what was confirmed.
    ShownPage second;
    answerPageSetup(second, [](QPageSetupDialog &) {});
    click("BitBtn1");
    EXPECT_EQ(second.paper, QLatin1StringView(c.paper));
    EXPECT_EQ(second.landscape, c.landscape);
    if (c.left > 0) {
        EXPECT_NEAR(second.margins.left(), c.left, 0.01);
    } else if (c.landscape) {
        // The least margins turn with the page: the sheet's bottom strip is the page's left one.
        // (The platform's dialog keeps the upright minimums for its own boxes, so a margin may be
        // more than the least, never less.)
        QPrinter upright(QPrinter::HighResolution);
        upright.setPrinterName(spooler->queue());
        upright.setPageSize(QPageSize(std::string_view(c.paper) == "A5" ? QPageSize::A5 : QPageSize::A4));
        QPageLayout uprightPage = upright.pageLayout();
        uprightPage.setUnits(QPageLayout::Millimeter);
        const QMarginsF sheet = uprightPage.minimumMargins();
        const QMarginsF turned(sheet.bottom(), sheet.left(), sheet.top(), sheet.right());
        EXPECT_NEAR(second.margins.left(), turned.left(), 0.01);
        EXPECT_NEAR(second.margins.right(), turned.right(), 0.01);
        EXPECT_GE(second.margins.top(), turned.top() - 0.01);
        EXPECT_GE(second.margins.bottom(), turned.bottom() - 0.01);
    }

    const int before = spooler->newestJobId();
    click("BitBtn2");
    const std::optional<SpooledJob> job = spooler->waitForJobAfter(before);
    ASSERT_TRUE(job.has_value() && job->completed);
    const PdfPage page = PdfPage::read(job->outputPdf);
    ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
    EXPECT_NEAR(page.sizeMm.width(), c.sheetMm.width(), 1.0);
    EXPECT_NEAR(page.sizeMm.height(), c.sheetMm.height(), 1.0);

    // The form's middle rule sits 87 mm right of the printable area's left edge (the spooler
    // turns a landscape page on the sheet, so only upright pages are measured).
    if (!c.landscape) {
        const double left = c.left > 0 ? c.left : least.left();
        EXPECT_NEAR(longestVerticalRun(page.raster).at, left + 87.0, 0.3);
    }
}

INSTANTIATE_TEST_SUITE_P(Papers, SpoolerPageSetupTest,
                         ::testing::Values(PaperCase{"a5Portrait", "A5", false, 0, 0, {148, 210}},
                                           PaperCase{"a4Landscape", "A4", true, 0, 0, {297, 210}},
                                           PaperCase{"a5Landscape", "A5", true, 0, 0, {210, 148}},
                                           PaperCase{"a4WideMargins", "A4", false, 20, 30, {210, 297}}),
                         [](const ::testing::TestParamInfo<PaperCase> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
