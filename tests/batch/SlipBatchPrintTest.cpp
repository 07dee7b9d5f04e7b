#include "batch/SlipBatchPrint.h"
#include "../print/FakePrinter.h"
#include "PdfSlips.h"
#include "model/Hub3aPayload.h"
#include "print/BarcodeReadBack.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// Keeps every sheet it prints.
class SheetPrinter : public FakePrinter
{
public:
    void EndDoc() override
    {
        FakePrinter::EndDoc();
        sheets.append(page);
    }
    QList<QImage> sheets;
};

// The barcodes of a printed sheet, top to bottom; its pixels are device units.
QList<QByteArray> sheetBarcodes(const QImage &sheet)
{
    QList<QByteArray> barcodes;
    for (int slot = 0; slot < 3; ++slot) {
        const QRectF cell(4.36 * deviceUnitsPerMm, (54.36 + 99 * slot) * deviceUnitsPerMm,
                          60.55 * deviceUnitsPerMm, 28.38 * deviceUnitsPerMm);
        if (const std::optional<QByteArray> bytes = readBarcodeBytes(sheet.copy(cell.toRect())))
            barcodes.append(*bytes);
    }
    return barcodes;
}

// The largest share of dark pixels in a row within half a millimetre of yMm on a printed sheet.
double darkShareNear(const QImage &sheet, double yMm)
{
    double share = 0;
    const int centre = qRound(yMm * deviceUnitsPerMm);
    for (int y = centre - 6; y <= centre + 6; ++y) {
        int dark = 0;
        for (int x = 0; x < sheet.width(); ++x)
            dark += qGray(sheet.pixel(x, y)) < 128;
        share = std::max(share, double(dark) / sheet.width());
    }
    return share;
}

const Hub3aPrintFrame frame = Hub3aPrintFrame::of(Calibration{}, PrintOffsets{});

TEST(SlipBatchPrint, PrintsThreeSlipsToAnA4SheetEachSheetADocumentThatReadsBack)
{
    SheetPrinter printer;
    const QList<NumberedSlip> list = slips(7);
    int progress = 0;
    const BatchPrintResult result = printSlipBatch(printer, frame, list, PrintMode::Complete,
                                                   {[&](int done, int) { progress = done; }, {}});
    EXPECT_EQ(result.sent, 7);
    EXPECT_EQ(result.sheets, 3);
    EXPECT_FALSE(result.cancelled);
    EXPECT_TRUE(result.refused.isEmpty());
    EXPECT_EQ(progress, 7);
    EXPECT_EQ(printer.sheet, std::optional<QSizeF>(a4SheetMm));
    ASSERT_EQ(printer.sheets.size(), 3);
    QList<QByteArray> printed;
    for (const QImage &sheet : printer.sheets)
        printed += sheetBarcodes(sheet);
    EXPECT_EQ(printed, payloadsOf(list));
    // Dashed cut lines between the complete slips: a run of dashes, not a solid rule.
    for (const double cutMm : {99.0, 198.0}) {
        EXPECT_GT(darkShareNear(printer.sheets[0], cutMm), 0.3) << cutMm;
        EXPECT_LT(darkShareNear(printer.sheets[0], cutMm), 0.9) << cutMm;
    }
    SheetPrinter dataPrinter;
    printSlipBatch(dataPrinter, frame, list, PrintMode::DataOnly);
    ASSERT_FALSE(dataPrinter.sheets.isEmpty());
    EXPECT_LT(darkShareNear(dataPrinter.sheets[0], 99), 0.05); // none on pre-printed forms
}

TEST(SlipBatchPrint, CancellingKeepsTheSheetsSentAndSaysHowManySlips)
{
    SheetPrinter printer;
    int done = 0;
    const BatchPrintResult result =
        printSlipBatch(printer, frame, slips(10), PrintMode::DataOnly,
                       {[&](int count, int) { done = count; }, [&] { return done == 5; }});
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(result.sent, 3); // the fourth and fifth were gathered for a sheet never begun
    EXPECT_EQ(result.sheets, 1);
    EXPECT_EQ(printer.log.filter(u"begin"_s).size(), 1);
    EXPECT_TRUE(printer.log.filter(u"abort"_s).isEmpty());
}

TEST(SlipBatchPrint, SlipsThatDoNotReadBackAtThePrintersResolutionAreLeftOut)
{
    SheetPrinter printer;
    printer.resolutions = {600, 30}; // at 30 dpi no barcode reads back
    const BatchPrintResult result = printSlipBatch(printer, frame, slips(2), PrintMode::Complete);
    EXPECT_EQ(result.sent, 0);
    ASSERT_EQ(result.refused.size(), 2);
    EXPECT_EQ(result.refused[1].row, 2);
    EXPECT_TRUE(printer.log.filter(u"begin"_s).isEmpty());
    // The template carries no barcode, so it prints at any resolution.
    EXPECT_EQ(printSlipBatch(printer, frame, slips(2), PrintMode::Template).sent, 2);
}

TEST(SlipBatchPrint, ADeclinedDocumentStopsTheBatch)
{
    SheetPrinter printer;
    printer.declineNextDocument = true;
    const BatchPrintResult result = printSlipBatch(printer, frame, slips(5), PrintMode::Complete);
    EXPECT_TRUE(result.declined);
    EXPECT_EQ(result.sent, 0);
    EXPECT_EQ(printer.log.filter(u"begin"_s).size(), 1);
}

} // namespace
