#include "print/BarcodeReadBack.h"
#include "Hub3aTestSlips.h"
#include "PdfPage.h"
#include "model/Hub3aPayload.h"
#include "model/UserError.h"
#include "print/Hub3aBarcodeCheck.h"
#include "render/QPainterSurface.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using namespace Hub3aTestSlips;

constexpr double slipWidthMm = 210, slipHeightMm = 99;

void drawBarcode(QPainter &painter, double dotsPerMm, const QByteArray &payload)
{
    painter.scale(dotsPerMm / 100, dotsPerMm / 100);
    QPainterSurface surface(painter);
    surface.setPenColor(0x000000);
    surface.Barcode(cellLeft, cellTop, cellRight, cellBottom, payload);
}

// A slip-sized PNG with the barcode drawn at dotsPerMm, read back from its file bytes.
QImage pngOf(const QByteArray &payload, double dotsPerMm)
{
    QImage image(qRound(slipWidthMm * dotsPerMm), qRound(slipHeightMm * dotsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        drawBarcode(painter, dotsPerMm, payload);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return QImage::fromData(bytes, "PNG");
}

void writePdf(const QString &path, const QByteArray &payload)
{
    constexpr int resolution = 1200;
    QPdfWriter writer(path);
    writer.setResolution(resolution);
    writer.setPageLayout(QPageLayout(
        QPageSize(QSizeF(slipWidthMm, slipHeightMm), QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
    QPainter painter(&writer);
    drawBarcode(painter, resolution / 25.4, payload);
}

TEST(BarcodeReadBack, EveryPayloadReadsBackFromPng)
{
    for (const QByteArray &payload : testPayloads()) {
        for (const double dotsPerMm : {8.0, 300 / 25.4, 600 / 25.4}) {
            const QImage png = pngOf(payload, dotsPerMm);
            ASSERT_FALSE(png.isNull());
            EXPECT_EQ(readBarcodeBytes(barcodeCell(png, dotsPerMm)), payload)
                << dotsPerMm << ' ' << payload.toStdString();
        }
    }
}

TEST(BarcodeReadBack, EveryPayloadReadsBackFromPdfAt300And600Dpi)
{
    QTemporaryDir dir;
    int index = 0;
    for (const QByteArray &payload : testPayloads()) {
        const QString pdf = dir.filePath(u"slip%1.pdf"_s.arg(index++));
        writePdf(pdf, payload);
        for (const int dpi : {300, 600}) {
            const QImage raster = pdfRaster(pdf, dpi);
            ASSERT_FALSE(raster.isNull()) << dpi;
            EXPECT_EQ(readBarcodeBytes(barcodeCell(raster, dpi / 25.4)), payload)
                << dpi << ' ' << payload.toStdString();
        }
    }
}

TEST(BarcodeReadBack, PdfModulesAreWholeDotsAt300Dpi)
{
    // At 300 dpi a 0.254 mm module is 3 dots: every run of dark dots across a row is a multiple of 3.
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"slip.pdf"_s);
    writePdf(pdf, testPayloads()[1]);
    const QImage raster = pdfRaster(pdf, 300).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_FALSE(raster.isNull());
    const int row = qRound(60.0 / 25.4 * 300);
    const uchar *line = raster.constScanLine(row);
    int runs = 0;
    for (int x = 0, start = -1; x <= raster.width(); ++x) {
        const bool dark = x < raster.width() && line[x] < 128;
        if (dark && start < 0)
            start = x;
        if (!dark && start >= 0) {
            EXPECT_EQ((x - start) % 3, 0) << "run at " << start;
            EXPECT_TRUE(line[start - 1] > 200 && line[x] > 200) << "grey edge at " << start;
            ++runs;
            start = -1;
        }
    }
    EXPECT_GT(runs, 40);
}

TEST(BarcodeReadBack, PrintCheckPassesAtPrinterResolutionsAndRefusesAnUnreadableOne)
{
    for (const QByteArray &payload : testPayloads()) {
        for (const double dpi : {300.0, 360.0, 600.0, 1200.0})
            EXPECT_NO_THROW(checkPrintedBarcode(payload, dpi)) << dpi << ' ' << payload.toStdString();
    }
    // At 50 dpi the symbol is squeezed to half a dot a module and cannot be read.
    EXPECT_THROW(checkPrintedBarcode(testPayloads()[1], 50), UserError);
}

TEST(BarcodeReadBack, ADifferentOrMissingBarcodeIsRefused)
{
    const QByteArray payload = testPayloads()[5];
    const QImage png = pngOf(payload, 8);
    EXPECT_NO_THROW(requireBarcodeReadsBack(png, payload));
    EXPECT_THROW(requireBarcodeReadsBack(png, payload + "x"), UserError);
    QImage blank(400, 200, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_EQ(readBarcodeBytes(blank), std::nullopt);
    EXPECT_THROW(requireBarcodeReadsBack(blank, payload), UserError);
}

} // namespace
