#include "SpoolerTest.h"
#include "StallingSpooler.h"
#include "FakeUserDialogs.h"
#include "PdfSlips.h"
#include "batch/PartnerSlips.h"
#include "batch/SlipBatchPrint.h"
#include "partners/PartnerEntry.h"
#include "print/PlatformPrinter.h"

#include <cups/cups.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A batch printed on the private spooler's queue: one job of A4 pages of three slips.
class SpoolerBatchTest : public SpoolerTest
{
};

TEST_F(SpoolerBatchTest, TwentyPartnersPrintAsOneJobOfSevenPagesWhoseEveryBarcodeReadsBack)
{
    FakeUserDialogs dialogs;
    PlatformPrinter printer(dialogs);
    printer.setPrinterIndex(refreshUntil(printer, spooler->queue()));
    Hub3aRecord tab;
    tab.set(Hub3aField::RecipientName, u"Zgrada Ilica 1"_s);
    tab.set(Hub3aField::RecipientIban, u"HR1210010051863000160"_s);
    tab.set(Hub3aField::Description, u"Pričuva za ožujak"_s);
    tab.set(Hub3aField::Amount, u"45,30"_s);
    QStringList partners;
    for (int i = 1; i <= 20; ++i)
        partners.append(joinPartner(u"Stanar %1 Šimić"_s.arg(i), u"HR1210010051863000160"_s, QString()));
    const Hub3aTable table = partnerSlips(partners, tab);
    ASSERT_EQ(table.slips.size(), 20);

    const int before = spooler->newestJobId();
    const BatchPrintResult result = printSlipBatch(
        printer, Hub3aPrintFrame::of(Calibration{}, PrintOffsets{}), table.slips, PrintMode::Complete);
    EXPECT_EQ(result.sent, 20);
    EXPECT_EQ(result.sheets, 7);
    EXPECT_TRUE(result.failure.isEmpty()) << result.failure.toStdString();
    const std::optional<SpooledJob> job = spooler->waitForJobAfter(before);
    ASSERT_TRUE(job.has_value() && job->completed);
    EXPECT_EQ(job->pages, 7); // one job, not one per sheet
    EXPECT_EQ(barcodesOf(job->outputPdf, 3, 300), payloadsOf(table.slips));
}

// The states of the jobs a queue of the current scheduler has had.
QList<ipp_jstate_t> jobStates(const QString &queue)
{
    cups_job_t *jobs = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    QList<ipp_jstate_t> states;
    for (int i = 0; i < count; ++i)
        states.append(jobs[i].state);
    cupsFreeJobs(count, jobs);
    return states;
}

TEST_F(StallingSpoolerTest, ABatchToAStoppedSchedulerSaysNoSlipWasAcceptedAndNoneIsPrintedLater)
{
    FakeUserDialogs dialogs;
    PlatformPrinter printer(dialogs);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        printer.Refresh();
        return printer.Printers().contains(queues[1]);
    }));
    // stall_a's page set-up is known before the scheduler stops; stall_b's is not.
    printer.setPrinterIndex(int(printer.Printers().indexOf(queues[0])));
    printer.PageWidth();
    ASSERT_EQ(kill(pid, SIGSTOP), 0);
    const QList<NumberedSlip> list = slips(6);
    for (const QString &queue : queues) {
        printer.setPrinterIndex(int(printer.Printers().indexOf(queue)));
        const BatchPrintResult result = printSlipBatch(
            printer, Hub3aPrintFrame::of(Calibration{}, PrintOffsets{}), list, PrintMode::Complete);
        EXPECT_EQ(result.failure, notAnswering) << queue.toStdString();
        EXPECT_EQ(result.sent, 0) << queue.toStdString();
        EXPECT_EQ(result.unprinted, (QList<int>{1, 2, 3, 4, 5, 6})) << queue.toStdString();
    }
    ASSERT_EQ(kill(pid, SIGCONT), 0);
    // What the scheduler takes once it runs again is cancelled, not printed.
    const auto settled = [&] {
        for (const QString &queue : queues) {
            for (const ipp_jstate_t state : jobStates(queue)) {
                if (state < IPP_JSTATE_STOPPED)
                    return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(QTest::qWaitFor(settled, 20000));
    for (const QString &queue : queues)
        EXPECT_FALSE(jobStates(queue).contains(IPP_JSTATE_COMPLETED)) << queue.toStdString();
}

} // namespace
