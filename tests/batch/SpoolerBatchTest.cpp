#include "../print/SpoolerTest.h"
#include "FakeUserDialogs.h"
#include "PdfSlips.h"
#include "batch/PartnerSlips.h"
#include "batch/SlipBatchPrint.h"
#include "partners/PartnerEntry.h"
#include "print/PlatformPrinter.h"

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

} // namespace
