#include "print/PrintJobs.h"
#include "FakePrintTest.h"
#include "FrameNumbers.h"
#include "PdfPage.h"
#include "QtPrinters.h"
#include "UserErrorOf.h"

using namespace Qt::StringLiterals;

namespace {

// Pixels of the page in black and in the transfer order's data blue.
struct InkColours
{
    int black = 0;
    int blue = 0;
};

InkColours inkColours(const QImage &page)
{
    InkColours ink;
    for (int y = 0; y < page.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            ink.black += row[x] == qRgb(0, 0, 0);
            ink.blue += row[x] == qRgb(0, 0, 255);
        }
    }
    return ink;
}

class PrintJobsTest : public FakePrintTest
{
protected:
    void SetUp() override
    {
        FakePrintTest::SetUp();
        source.uplatnica.payer = {u"Ivan Horvat"_s, u"Ilica 1"_s};
        source.uplatnica.amount = u"100"_s;
        source.zorvat.payer = {u"Ivan Horvat"_s, u"Ilica 1"_s, {}};
        source.zorvat.amount = u"100"_s;
        source.zorvat.payerAccount = u"2360000-1101234567"_s;
    }
};

TEST_F(PrintJobsTest, EachJobPrintsOneDocumentUnderItsOwnTitle)
{
    PrintUplatnica(printer, store, source, PrintMode::Complete, false);
    PrintZorvat(printer, store, source, PrintMode::Complete, false);
    PrintUplatnica(printer, store, source, PrintMode::DataOnly, true);
    EXPECT_EQ(printer.log, (QStringList{
                               u"begin Ispis na pisač - Zorvat 1.0 - ispis uplatnice"_s,
                               u"end"_s,
                               u"begin Ispis na pisač - Zorvat 1.0 - ispis zorvata"_s,
                               u"end"_s,
                               u"begin Ispis na pisač - Zorvat 1.0 - ispis uplatnice"_s,
                               u"end"_s,
                           }));
}

struct FrameCase
{
    const char *name;
    qint32 rectWidth, rectHeight;
    bool perforation;
    const char16_t *dX, *dY; // stored texts; nullptr: never stored
    FrameNumbers frame;
};

void PrintTo(const FrameCase &c, std::ostream *os)
{
    *os << c.name;
}

class PrintFrameTest : public PrintJobsTest, public ::testing::WithParamInterface<FrameCase>
{
};

// The payment slip's top rule (L to R at T) and vertical rule (M from T down) show where the
// job put its frame.
TEST_P(PrintFrameTest, ThePaymentSlipLandsInTheCalibratedFrameMovedByPerforationAndOffsets)
{
    const FrameCase &c = GetParam();
    source.record.RectWidth = c.rectWidth;
    source.record.RectHeight = c.rectHeight;
    if (c.dX)
        store.WriteSetting(u"dX"_s, QString::fromUtf16(c.dX));
    if (c.dY)
        store.WriteSetting(u"dY"_s, QString::fromUtf16(c.dY));

    PrintUplatnica(printer, store, source, PrintMode::Template, c.perforation);

    const FrameNumbers &f = c.frame;
    const InkRun top = longestHorizontalRun(printer.page, 1.0);
    const InkRun rule = longestVerticalRun(printer.page, 1.0);
    EXPECT_NEAR(top.at, f.T(), 1.5);
    EXPECT_NEAR(top.from, f.L(), 1.0);
    EXPECT_NEAR(top.to, f.R(), 1.0);
    EXPECT_NEAR(rule.at, f.M(), 1.5);
    EXPECT_NEAR(rule.from, f.T(), 1.5);
    EXPECT_NEAR(rule.to, f.uplatnicaRuleEnd(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, PrintFrameTest,
    ::testing::Values(FrameCase{"defaults", 8, 8, false, nullptr, nullptr, {0, 0, 2125, 1250}},
                      FrameCase{"perforation", 8, 8, true, nullptr, nullptr, {138, 0, 2125, 1250}},
                      FrameCase{"offsets", 8, 8, false, u"10", u"3", {10, 38, 2125, 1250}},
                      FrameCase{"negativeOffsets", 8, 8, true, u"-5", u"-1", {133, -12, 2125, 1250}},
                      FrameCase{"lettersInDX", 8, 8, false, u"abc", u"3", {0, 0, 2125, 1250}},
                      FrameCase{"emptyDY", 8, 8, false, u"10", u"", {0, 0, 2125, 1250}},
                      FrameCase{"sevenMillimetres", 7, 7, true, u"10", u"1", {167, 14, 2429, 1429}},
                      FrameCase{"wideSquares", 16, 8, true, nullptr, nullptr, {69, 0, 1062, 1250}}),
    [](const ::testing::TestParamInfo<FrameCase> &info) { return std::string(info.param.name); });

TEST_F(PrintJobsTest, TheOffsetsAreReadAgainAtEveryPrint)
{
    PrintZorvat(printer, store, source, PrintMode::Template, false);
    const double before = longestVerticalRun(printer.page, 1.0).at;
    store.WriteSetting(u"dX"_s, u"40"_s);
    store.WriteSetting(u"dY"_s, u"0"_s);
    PrintZorvat(printer, store, source, PrintMode::Template, false);
    EXPECT_NEAR(longestVerticalRun(printer.page, 1.0).at - before, 40.0, 0.01);
}

// The transfer order prints its rules black and its data blue, so the colours tell the modes apart.
TEST_F(PrintJobsTest, TemplatePrintsNoDataAndDataOnlyNoRules)
{
    const struct
    {
        PrintMode mode;
        bool rules, data;
    } cases[] = {{PrintMode::Complete, true, true},
                 {PrintMode::Template, true, false},
                 {PrintMode::DataOnly, false, true}};
    for (const auto &c : cases) {
        PrintZorvat(printer, store, source, c.mode, false);
        const InkColours ink = inkColours(printer.page);
        EXPECT_EQ(ink.black > 0, c.rules) << int(c.mode);
        EXPECT_EQ(ink.blue > 0, c.data) << int(c.mode);
    }
}

TEST_F(PrintJobsTest, ACalibrationGivingAFormUnder10MmOrOver1MIsRefusedBeforeTheDocumentBegins)
{
    // Form sides on paper: 170 mm * 8 / RectWidth, 100 mm * 8 / RectHeight, in whole device units.
    for (const auto &[width, height] :
         {std::pair{0, 8}, {8, 0}, {-7, 8}, {8, -1}, {2147483647, 1}, {1, 8}, {137, 8}, {8, 81}}) {
        source.record.RectWidth = width;
        source.record.RectHeight = height;
        EXPECT_EQ(userErrorOf([&] { PrintUplatnica(printer, store, source, PrintMode::Complete, false); }),
                  u"Neispravna kalibracija pisača"_s);
    }
    EXPECT_TRUE(printer.log.isEmpty());

    // The sides closest to the limits still print: 680 mm, 10 mm.
    for (const auto &[width, height] : {std::pair{2, 80}, {136, 1}}) {
        source.record.RectWidth = width;
        source.record.RectHeight = height;
        EXPECT_EQ(userErrorOf([&] { PrintUplatnica(printer, store, source, PrintMode::Complete, false); }),
                  QString())
            << width << " x " << height;
    }
}

TEST_F(PrintJobsTest, ADeclinedOutputFilePrintsNothingAndIsNoError)
{
    printer.declineNextDocument = true;
    PrintZorvat(printer, store, source, PrintMode::Complete, false);
    EXPECT_EQ(printer.pagesPrinted, 0);
    EXPECT_FALSE(printer.Printing());
}

TEST_F(PrintJobsTest, AFailureOnThePageAbortsTheDocumentAndTheNextJobStartsClean)
{
    printer.failOnCanvas = true;
    EXPECT_EQ(userErrorOf([&] { PrintUplatnica(printer, store, source, PrintMode::Complete, false); }),
              u"page failed"_s);
    EXPECT_EQ(printer.log.last(), u"abort"_s);
    EXPECT_FALSE(printer.Printing());

    printer.failOnCanvas = false;
    PrintUplatnica(printer, store, source, PrintMode::Complete, false);
    EXPECT_EQ(printer.log.last(), u"end"_s);
    EXPECT_EQ(printer.pagesPrinted, 1);
}

} // namespace
