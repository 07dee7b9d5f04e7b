#include "Bounds.h"
#include "PdfSlips.h"
#include "batch/SlipBatchPdf.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// A thousand rows, or a hundred in a sanitized build, which draws and reads many times slower.
TEST(SlipBatchPdf, ThousandRowsGoToA4PagesAndEveryBarcodeReadsBack)
{
    constexpr int rows = underAddressSanitizer ? 100 : 1000;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"slips.pdf"_s);
    const QList<NumberedSlip> list = slips(rows);
    const BatchPdfResult result = writeSlipPdf(pdf, list, {3, PrintMode::Complete});
    EXPECT_EQ(result.written, rows);
    EXPECT_EQ(pdfPages(pdf), (rows + 2) / 3);
    EXPECT_EQ(barcodesOf(pdf, 3, 300), payloadsOf(list));
}

} // namespace
