#include "Hub3aTestSlips.h"
#include "PdfPage.h"
#include "PrintedSlipChecks.h"
#include "QtPrinters.h"
#include "SpoolerDialogTest.h"
#include "print/PrintJobs.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace Hub3aTestSlips;

namespace {

// The HUB-3A slip printed with the print dialog on the private spooler's queue.
class Hub3aSpoolerTest : public SpoolerDialogTest
{
protected:
    std::optional<SpooledJob> printWithDialog(const Hub3aRecord &record, const char *radio, SlipPlace place)
    {
        source.hub3a = record;
        return SpoolerDialogTest::printWithDialog({FormKind::Hub3a, radio, false, u"0", u"0", place});
    }
};

TEST_F(Hub3aSpoolerTest, EveryPayloadReadsBackFromTheSpooledA4SheetAtItsPlace)
{
    const std::vector<Hub3aRecord> records = testRecords();
    const SlipPlace places[] = {SlipPlace::Top, SlipPlace::Middle, SlipPlace::Bottom};
    for (size_t i = 0; i < records.size(); ++i) {
        const SlipPlace place = places[i % 3];
        const std::optional<SpooledJob> job = printWithDialog(records[i], "RadioButton1", place);
        ASSERT_TRUE(job.has_value() && job->completed) << "payload " << i;
        EXPECT_EQ(job->pages, 1);
        EXPECT_EQ(job->title, u"Ispis na pisač - Zorvat 1.0 - ispis naloga HUB-3A"_s);
        const PdfPage page = PdfPage::read(job->outputPdf);
        ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
        EXPECT_NEAR(page.sizeMm.width(), 210, 0.5);
        EXPECT_NEAR(page.sizeMm.height(), 297, 0.5);
        expectBarcodeReadsBack(job->outputPdf, QPointF(0, slipTopMm(place)), *hub3aPayloadBytes(records[i]),
                               "payload " + std::to_string(i));
    }
}

TEST_F(Hub3aSpoolerTest, FrameCornersOnTheSpooledSheetLieWithinATenthOfAMillimetreOfTheArtwork)
{
    const struct
    {
        const char *what;
        const char *radio;
        SlipPlace place;
    } cases[] = {{"spooled, template, middle", "RadioButton2", SlipPlace::Middle},
                 {"spooled, complete, bottom", "RadioButton1", SlipPlace::Bottom}};
    for (const auto &c : cases) {
        const std::optional<SpooledJob> job = printWithDialog(testRecords()[5], c.radio, c.place);
        ASSERT_TRUE(job.has_value() && job->completed) << c.what;
        expectFrameCorners(job->outputPdf, slipTopMm(c.place), c.what);
    }
}

TEST_F(Hub3aSpoolerTest, ADataOnlySlipCarriesItsBarcodeAndNoArtwork)
{
    const std::optional<SpooledJob> job = printWithDialog(testRecords()[1], "RadioButton3", SlipPlace::Top);
    ASSERT_TRUE(job.has_value() && job->completed);
    const PdfPage page = PdfPage::read(job->outputPdf);
    EXPECT_FALSE(page.text.contains(u"NALOG ZA NACIONALNA PLAĆANJA"_s)) << page.text.toStdString();
    EXPECT_TRUE(page.text.contains(u"čćđšž"_s)) << page.text.toStdString();
    expectBarcodeReadsBack(job->outputPdf, QPointF(), *hub3aPayloadBytes(testRecords()[1]), "data only");
}

TEST_F(Hub3aSpoolerTest, TheQueuesUnprintableStripsAreNamedBeforeTheSlipIsPrinted)
{
    printer.setPrinterIndex(refreshUntil(printer, spooler->queue()));
    const QMarginsF unprintable = printer.UnprintableMarginsMm();
    QPageLayout page = queuePage();
    page.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = page.minimumMargins();
    EXPECT_NEAR(unprintable.left(), least.left(), 0.01);
    EXPECT_NEAR(unprintable.top(), least.top(), 0.01);
    EXPECT_NEAR(unprintable.right(), least.right(), 0.01);
    EXPECT_NEAR(unprintable.bottom(), least.bottom(), 0.01);
    source.printAnyway = false;
    source.questions.clear();
    source.kind = FormKind::Hub3a;
    source.hub3a = testRecords()[5];
    const int before = spooler->newestJobId();
    PrintHub3a(printer, store, source, PrintMode::Complete, SlipPlace::Top);
    EXPECT_EQ(spooler->newestJobId(), before) << "the user said no";
    ASSERT_EQ(source.questions.size(), 1);
    EXPECT_TRUE(
        source.questions[0].contains(u"(3,9 mm uz lijevi rub, 11,8 mm uz gornji rub, 4,4 mm uz desni rub)"_s))
        << source.questions[0].toStdString();
}

TEST_F(Hub3aSpoolerTest, TheBarcodeIsCheckedAtTheResolutionsTheQueuesDriverPrintsAt)
{
    printer.setPrinterIndex(refreshUntil(printer, spooler->queue()));
    EXPECT_FALSE(printer.WritesFile());
    // The test queue's driver offers 300, 600 and 1200 dpi (the platform's page set-up says 72).
    EXPECT_EQ(printer.Resolutions(), (QList<int>{300, 600, 1200}));
    printer.setPrinterIndex(int(printer.Printers().indexOf(PlatformPrinter::pdfEntry())));
    EXPECT_TRUE(printer.WritesFile());
    EXPECT_EQ(printer.Resolutions(), (QList<int>{300, 600, 1200}));
}

} // namespace
