#include "PdfPage.h"
#include "QtPrinters.h"
#include "SpoolerDialogTest.h"
#include "TestRectangle.h"
#include "print/CupsSubmit.h"

using namespace Qt::StringLiterals;

namespace {

TEST_F(SpoolerDialogTest, APageGoesThroughTheSpoolerWithItsTitleAtTheDeviceUnitScale)
{
    const int index = refreshUntil(printer, spooler->queue());
    ASSERT_GE(index, 0) << "the test queue is not listed";
    EXPECT_EQ(printer.Printers().last(), u"PDF datoteka"_s);
    printer.setPrinterIndex(index);

    const int before = spooler->newestJobId();
    const QString title = u"Ispis na pisač - Zorvat 1.0 - ispis zorvata"_s;
    printTestRectangle(printer, title);

    const std::optional<SpooledJob> job = spooler->waitForJobAfter(before);
    ASSERT_TRUE(job.has_value()) << "the spooler did not finish the job";
    EXPECT_TRUE(job->completed);
    EXPECT_EQ(job->title, title);
    EXPECT_EQ(job->pages, 1);
    EXPECT_TRUE(dialogs.fileTitles.isEmpty());

    const PdfPage page = PdfPage::read(job->outputPdf);
    ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
    EXPECT_EQ(page.pages, 1);
    expectTestRectangle(page.raster, queueArea());
}

TEST_F(SpoolerTest, AJobTheSpoolerRefusesIsReportedNotLost)
{
    const QString error = userErrorOf([] {
        SubmitToSpooler(u"no_such_queue"_s, u"Ispis"_s, QByteArray("%PDF-1.4\n"),
                        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    });
    EXPECT_TRUE(error.startsWith(u"Pisač no_such_queue nije prihvatio ispis: "_s)) << error.toStdString();
    EXPECT_GT(error.size(), 41);
}

TEST_F(SpoolerDialogTest, TheListChangesOnlyAtRefreshAndAVanishedPrinterGivesWayToTheFirst)
{
    printer.setPrinterIndex(refreshUntil(printer, spooler->queue()));
    const QStringList listed = printer.Printers();

    const QString extra = u"zorvat_extra_%1"_s.arg(QCoreApplication::applicationPid());
    QString failure;
    ASSERT_TRUE(spooler->addQueue(extra, &failure)) << failure.toStdString();
    EXPECT_EQ(printer.Printers(), listed);

    printer.setPrinterIndex(refreshUntil(printer, extra));
    EXPECT_EQ(currentPrinterEntry(printer), extra);
    spooler->removeQueue(extra);
    refreshUntil(printer, extra, false);
    EXPECT_EQ(printer.PrinterIndex(), 0);
}

} // namespace
