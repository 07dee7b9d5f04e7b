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

// A batch printed on the private spooler's queue: a document per A4 sheet of three slips.
class SpoolerBatchTest : public SpoolerTest
{
};

TEST_F(SpoolerBatchTest, TwentyPartnersPrintAsSevenSheetsWhoseEveryBarcodeReadsBack)
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

    // The queue writes every job to one file: each sheet is read as soon as it is printed.
    QList<QByteArray> printed;
    int sheets = 0;
    int lastJob = spooler->newestJobId();
    const auto readSheet = [&] {
        const std::optional<SpooledJob> job = spooler->waitForJobAfter(lastJob);
        ASSERT_TRUE(job.has_value() && job->completed) << "sheet " << sheets;
        EXPECT_EQ(job->pages, 1);
        lastJob = job->id;
        ++sheets;
        printed += barcodesOf(job->outputPdf, 3, 300);
    };
    const BatchPrintResult result = printSlipBatch(
        printer, Hub3aPrintFrame::of(Calibration{}, PrintOffsets{}), table.slips, PrintMode::Complete,
        {[&](int done, int) {
             if (done % 3 == 0)
                 readSheet();
         },
         {}});
    readSheet(); // the last sheet, of two slips
    EXPECT_EQ(result.sent, 20);
    EXPECT_EQ(result.sheets, 7);
    EXPECT_EQ(sheets, 7);
    EXPECT_EQ(printed, payloadsOf(table.slips));
}

} // namespace
