#include "FakePrintSource.h"
#include "FakeUserDialogs.h"
#include "Hub3aTestSlips.h"
#include "PdfPage.h"
#include "PrintedSlipChecks.h"
#include "QtPrinters.h"
#include "model/SettingsStore.h"
#include "print/PlatformPrinter.h"
#include "print/PrintJobs.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace Hub3aTestSlips;

namespace {

constexpr double halfPointMm = 25.4 / 72 / 2;

// "PDF datoteka": the slip alone on a 210 x 99 mm page, written where the user says.
class Hub3aPdfFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        printer.setPrinterIndex(int(printer.Printers().indexOf(PlatformPrinter::pdfEntry())));
        ASSERT_TRUE(printer.WritesFile());
    }

    QString print(const Hub3aRecord &record, PrintMode mode, const QString &name)
    {
        source.hub3a = record;
        const QString path = dir.filePath(name);
        dialogs.setNextFileName(path);
        PrintHub3a(printer, store, source, mode, SlipPlace::Bottom);
        return path;
    }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath(u"settings.db"_s)};
    FakeUserDialogs dialogs;
    PlatformPrinter printer{dialogs};
    FakePrintSource source;
};

TEST_F(Hub3aPdfFile, EveryPayloadReadsBackFromTheFileAt300And600DpiOnASlipSizedPage)
{
    const std::vector<Hub3aRecord> records = testRecords();
    for (size_t i = 0; i < records.size(); ++i) {
        const QString pdf = print(records[i], PrintMode::Complete, u"slip%1.pdf"_s.arg(i));
        const PdfPage page = PdfPage::read(pdf);
        ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
        EXPECT_EQ(page.pages, 1);
        EXPECT_EQ(page.title, u"Ispis na pisač - Zorvat 1.0 - ispis naloga HUB-3A"_s);
        // The writer gives pages whole points: 595 x 281 pt, the slip's top-left corner exact.
        EXPECT_NEAR(page.sizeMm.width(), 210, halfPointMm);
        EXPECT_NEAR(page.sizeMm.height(), 99, halfPointMm);
        expectBarcodeReadsBack(pdf, QPointF(), *hub3aPayloadBytes(records[i]),
                               "payload " + std::to_string(i));
    }
}

TEST_F(Hub3aPdfFile, TheBarcodeReadsBackAtItsOwnSizeWhateverThePrintersCalibrationAndOffsets)
{
    const struct
    {
        int dX, dY;    // device units, millimetres
        qint32 square; // the calibration's square in mm (8 is the default)
    } cases[] = {{13, 2, 8}, {-7, -1, 8}, {1, 0, 9}, {5, 1, 7}};
    const Hub3aRecord record = testRecords()[1];
    for (const auto &c : cases) {
        store.WriteSetting(u"dX"_s, QString::number(c.dX));
        store.WriteSetting(u"dY"_s, QString::number(c.dY));
        source.record = Calibration{c.square, c.square, 4, 4, 2, 10};
        const QString pdf = print(record, PrintMode::DataOnly, u"moved%1.pdf"_s.arg(c.dX));
        // A file is no printer's paper: neither the calibration nor the offsets move or scale its slip.
        expectBarcodeReadsBack(pdf, QPointF(), *hub3aPayloadBytes(record),
                               std::to_string(c.dX) + ", " + std::to_string(c.dY) + ", " +
                                   std::to_string(c.square));
    }
}

TEST_F(Hub3aPdfFile, FrameCornersLieWithinATenthOfAMillimetreOfTheArtworkWhateverTheOffsetsAndCalibration)
{
    store.WriteSetting(u"dX"_s, u"40"_s);
    store.WriteSetting(u"dY"_s, u"3"_s);
    source.record = Calibration{7, 9, 4, 4, 2, 10};
    for (const PrintMode mode : {PrintMode::Template, PrintMode::Complete}) {
        const QString pdf = print(testRecords()[5], mode, u"frame%1.pdf"_s.arg(int(mode)));
        expectFrameCorners(pdf, 0, mode == PrintMode::Template ? "file, template" : "file, complete");
    }
}

} // namespace
