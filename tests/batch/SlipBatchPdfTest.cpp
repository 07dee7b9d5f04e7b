#include "batch/SlipBatchPdf.h"
#include "Bounds.h"
#include "FileBytes.h"
#include "NearlyFullDisk.h"
#include "PdfSlips.h"
#include "UserErrorOf.h"
#include "model/Hub3aPayload.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

TEST(SlipBatchPdf, WritesAPagePerSlipOrThreeToAnA4PageAndEveryBarcodeReadsBack)
{
    const struct
    {
        int slips, perPage, pages;
    } cases[] = {{4, 1, 4}, {7, 3, 3}, {3, 3, 1}};
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.slips << " slips, " << c.perPage << " a page");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"slips.pdf"_s);
        const QList<NumberedSlip> list = slips(c.slips);
        QList<std::pair<int, int>> progress;
        const BatchPdfResult result = writeSlipPdf(pdf, list, {c.perPage, PrintMode::Complete},
                                                   {[&](int done, int total) {
                                                        progress.append({done, total});
                                                    },
                                                    {}});
        EXPECT_EQ(result.written, c.slips);
        EXPECT_TRUE(result.refused.isEmpty());
        EXPECT_EQ(progress.size(), c.slips);
        EXPECT_EQ(progress.last(), std::make_pair(c.slips, c.slips));
        EXPECT_EQ(pdfPages(pdf), c.pages);
        EXPECT_EQ(barcodesOf(pdf, c.perPage, 300), payloadsOf(list));
        // Nothing is left beside the file and the page pictures.
        const QStringList files = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(files.size() - files.filter(u".pgm"_s).size(), 1) << files.join(u' ').toStdString();
    }
}

TEST(SlipBatchPdf, DataOnlyPagesCarryTheBarcodesAndTemplatesNone)
{
    QTemporaryDir dir;
    const QList<NumberedSlip> list = slips(3);
    const QString data = dir.filePath(u"data.pdf"_s), blank = dir.filePath(u"template.pdf"_s);
    EXPECT_EQ(writeSlipPdf(data, list, {1, PrintMode::DataOnly}).written, 3);
    EXPECT_EQ(barcodesOf(data, 1, 300), payloadsOf(list));
    EXPECT_EQ(writeSlipPdf(blank, list, {3, PrintMode::Template}).written, 3);
    EXPECT_EQ(pdfPages(blank), 1);
    EXPECT_TRUE(barcodesOf(blank, 3, 300).isEmpty());
}

TEST(SlipBatchPdf, CancellingHalfWayLeavesNoFileAndKeepsAnOldOne)
{
    for (const bool oldFile : {false, true}) {
        SCOPED_TRACE(oldFile ? "over an old file" : "a new file");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"slips.pdf"_s);
        if (oldFile) {
            ASSERT_TRUE(writeFileBytes(pdf, "old"));
        }
        int done = 0;
        const BatchPdfResult result =
            writeSlipPdf(pdf, slips(10), {3, PrintMode::Complete},
                         {[&](int count, int) { done = count; }, [&] { return done == 5; }});
        EXPECT_TRUE(result.cancelled);
        EXPECT_EQ(result.written, 0);
        EXPECT_EQ(done, 5);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                  oldFile ? QStringList{u"slips.pdf"_s} : QStringList());
        if (oldFile) {
            EXPECT_EQ(fileBytes(pdf), "old");
        }
    }
}

// The pages of 90 slips take some 600 KB. Where the free space is known to be clearly too small the
// batch is refused before its first slip; otherwise it stops at its first failed write. Either way
// the old file stays.
TEST(SlipBatchPdf, ADiskTooFullFailsTheBatchEarlyAndKeepsTheOldFile)
{
    const struct
    {
        qint64 freeBytes;
        bool refusedAtOnce; // on a real disk, whose free space is known
    } cases[] = {{64 * 1024, true}, {448 * 1024, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.freeBytes);
        NearlyFullDisk disk;
        const QString pdf = disk.filePath(u"slips.pdf"_s);
        ASSERT_TRUE(writeFileBytes(pdf, "old"));
        disk.fill(c.freeBytes);
        int drawn = 0;
        BatchHooks hooks;
        hooks.progress = [&](int done, int) { drawn = done; };
        const QString error = userErrorOf([&] {
            writeSlipPdf(pdf, slips(90), {3, PrintMode::Complete}, hooks);
        });
        if (!disk.isRealDisk()) {
            EXPECT_EQ(error, u"Stream write error"_s);
            EXPECT_LT(drawn, 90) << "the batch stops at the first failed write";
        } else if (c.refusedAtOnce) {
            EXPECT_TRUE(error.startsWith(
                u"Na disku nema mjesta za PDF: za 90 uplatnica treba barem 360 kB, slobodno je "_s))
                << error.toStdString();
            EXPECT_EQ(drawn, 0);
        } else {
            EXPECT_EQ(error, u"Disk full"_s);
            EXPECT_LT(drawn, 90) << "the batch stops at the first failed write";
        }
        EXPECT_EQ(fileBytes(pdf), "old");
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files).filter(u"slips"_s), QStringList{u"slips.pdf"_s});
    }
}

// Barcodes are read back ahead of the drawing: each result still belongs to its own slip, and the
// pages keep the slips' order.
TEST(SlipBatchPdf, SlipsWhoseBarcodeDoesNotReadBackAreLeftOutAndNamed)
{
    const QString noAmount = u"Iznos nije iznos u eurima u obliku 1.234,56"_s;
    const struct
    {
        const char *name;
        int dotsPerInch;
        QList<int> withoutAmount; // rows whose amount is no amount
        QList<int> refused;
    } cases[] = {
        // At 30 dots per inch a module is a third of a dot: no reader takes that picture.
        {"unreadable at 30 dpi", 30, {}, {1, 2, 3, 4, 5, 6, 7}},
        {"amounts of rows 2, 3 and 6", 300, {2, 3, 6}, {2, 3, 6}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"slips.pdf"_s);
        QList<NumberedSlip> list = slips(7), kept;
        for (NumberedSlip &slip : list) {
            if (c.withoutAmount.contains(slip.row))
                slip.record.set(Hub3aField::Amount, u"12,345"_s);
            else if (!c.refused.contains(slip.row))
                kept.append(slip);
        }
        const BatchPdfResult result = writeSlipPdf(pdf, list, {1, PrintMode::Complete, c.dotsPerInch});
        QList<int> refusedRows;
        for (const RowProblem &problem : result.refused) {
            refusedRows.append(problem.row);
            EXPECT_TRUE(c.withoutAmount.contains(problem.row) ? problem.message == noAmount
                                                              : !problem.message.isEmpty());
        }
        EXPECT_EQ(refusedRows, c.refused);
        EXPECT_EQ(result.written, kept.size());
        if (kept.isEmpty())
            EXPECT_FALSE(QFile::exists(pdf)); // no slip left: no file
        else
            EXPECT_EQ(barcodesOf(pdf, 1, 300), payloadsOf(kept));
    }
}

TEST(SlipBatchPdf, SizesAreSaidInAUnitThatNeverReadsZero)
{
    const struct
    {
        qint64 bytes;
        const char16_t *text;
    } cases[] = {
        {0, u"0 B"},          {1023, u"1023 B"},    {8 * 4096, u"32 kB"},       {1048575, u"1023 kB"},
        {1048576, u"1,0 MB"}, {1572864, u"1,5 MB"}, {1073741823, u"1023,9 MB"}, {5368709120, u"5,0 GB"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(byteSizeText(c.bytes), QString::fromUtf16(c.text)) << c.bytes;
}

} // namespace
