#include "batch/SlipBatchPrint.h"
#include "FakePrinter.h"
#include "PdfSlips.h"
#include "QtPrinters.h"
#include "UserErrorOf.h"
#include "model/Hub3aPayload.h"
#include "print/BarcodeReadBack.h"
#include "print/PrintJobs.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// Keeps every sheet it prints.
class SheetPrinter : public FakePrinter
{
public:
    void NewPage() override
    {
        sheets.append(page);
        FakePrinter::NewPage();
    }
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

TEST(SlipBatchPrint, PrintsThreeSlipsToAnA4SheetAllSheetsOneDocumentThatReadsBack)
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
    EXPECT_TRUE(result.unprinted.isEmpty());
    EXPECT_EQ(progress, 7);
    EXPECT_EQ(printer.sheet, std::optional<QSizeF>(a4SheetMm));
    EXPECT_EQ(printer.log,
              (QStringList{u"begin "_s + hub3aDocumentTitle(), u"newPage"_s, u"newPage"_s, u"end"_s}));
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

TEST(SlipBatchPrint, EveryEndSaysHowManySlipsThePrinterAcceptedAndWhichRowsItDidNotPrint)
{
    const struct
    {
        const char *name;
        int count, cancelAt;            // cancelAt: slips done when the user cancels; 0 never
        std::optional<QString> spooler; // what the spooler says to the finished job
        QList<int> unreadable;          // rows whose barcode does not read back
        QString summary;
    } cases[] = {
        // clang-format off
        {"done", 4, 0, {}, {}, u"Pisač je prihvatio uplatnica: 4 od 4."_s},
        {"cancelled", 10, 5, {}, {}, u"Ispis je prekinut.\nPisač je prihvatio uplatnica: 0 od 10.\n"
                                     u"Nisu ispisani redci: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10."_s},
        {"scheduler silent", 12, 0, u"Poslužitelj ispisa ne odgovara."_s, {},
         u"Poslužitelj ispisa ne odgovara.\nPisač je prihvatio uplatnica: 0 od 12.\n"
         u"Nisu ispisani redci: od 1 do 12 (ukupno 12)."_s},
        {"job refused", 2, 0, u"Pisač Laser nije prihvatio ispis: Service Unavailable"_s, {},
         u"Pisač Laser nije prihvatio ispis: Service Unavailable\nPisač je prihvatio uplatnica: 0 od 2.\n"
         u"Nisu ispisani redci: 1, 2."_s},
        {"unreadable rows left out", 5, 0, {}, {2, 4},
         u"Pisač je prihvatio uplatnica: 3 od 5.\nNisu ispisani redci: 2, 4."_s},
        // clang-format on
    };
    for (const auto &c : cases) {
        SheetPrinter printer;
        printer.failOnEnd = c.spooler;
        QList<NumberedSlip> list = slips(c.count);
        for (NumberedSlip &slip : list) {
            if (c.unreadable.contains(slip.row))
                slip.record.set(Hub3aField::Amount, u"12,345"_s); // no amount: no barcode
        }
        int done = 0;
        const BatchPrintResult result = printSlipBatch(
            printer, frame, list, PrintMode::DataOnly,
            {[&](int count, int) { done = count; }, [&] { return c.cancelAt > 0 && done == c.cancelAt; }});
        EXPECT_EQ(batchPrintSummary(result, c.count), c.summary) << c.name;
        EXPECT_EQ(printer.log.filter(u"begin"_s).size(), 1) << c.name;
        // Nothing is printed unless the whole job is accepted.
        EXPECT_EQ(printer.log.contains(u"abort"_s), result.sent == 0) << c.name;
    }
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

TEST(SlipBatchPrint, AFrameThatPutsAnyPartOfASlipOffTheSheetPrintsNothingAndSaysByHowMuch)
{
    const struct
    {
        const char *name;
        Calibration calibration;
        PrintOffsets offsets;
        const char16_t *beyond;
    } cases[] = {
        {"Pomak X 1500", {}, {1500, 0}, u"118,0 mm preko desnog ruba"},
        {"far right", {}, {214748300, 0}, u"17179862,0 mm preko desnog ruba"},
        {"below the sheet", {}, {0, 300}, u"85,1 mm preko donjeg ruba"},
        {"above the sheet", {}, {0, -100}, u"99,1 mm preko gornjeg ruba"},
        {"7 x 9 calibration: the stub cut", {7, 9, 4, 4, 2, 10}, {}, u"27,8 mm preko desnog ruba"},
    };
    for (const auto &c : cases) {
        SheetPrinter printer;
        const Hub3aPrintFrame frame = Hub3aPrintFrame::of(c.calibration, c.offsets);
        const QString refusal = u"Nalog ne stane na list: izašao bi "_s + QString::fromUtf16(c.beyond) +
                                u". Provjerite pomak ispisa i kalibraciju pisača"_s;
        EXPECT_EQ(userErrorOf([&] { printSlipBatch(printer, frame, slips(3), PrintMode::Complete); }),
                  refusal)
            << c.name;
        EXPECT_EQ(userErrorOf([&] { batchUnprintableQuestion(printer, frame, 3, PrintMode::Complete); }),
                  refusal)
            << c.name;
        EXPECT_TRUE(printer.log.isEmpty()) << c.name;
    }
}

TEST(SlipBatchPrint, SlipsReachingIntoThePrintersUnprintableStripsRaiseOneQuestionForTheSheet)
{
    SheetPrinter printer;
    printer.unprintable = QMarginsF(6.35, 12.7, 6.35, 12.7);
    // The top slip's title and the bottom slip's lines are both on the sheet of three.
    EXPECT_EQ(
        batchUnprintableQuestion(printer, frame, 3, PrintMode::Complete),
        u"Nalog zalazi u rub lista koji pisač ne može ispisati (3,9 mm uz lijevi rub, 11,8 mm uz gornji "
        "rub, 4,4 mm uz desni rub). Taj dio naloga neće se ispisati; pomak ispisa ga može premjestiti. "
        "Ispisati ipak?"_s);
    printer.unprintable = QMarginsF(2, 0.5, 2, 2);
    EXPECT_EQ(batchUnprintableQuestion(printer, frame, 3, PrintMode::Complete), QString());
    EXPECT_EQ(batchUnprintableQuestion(printer, frame, 3, PrintMode::DataOnly), QString());
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
