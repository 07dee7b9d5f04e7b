#include "render/Hub3aPreview.h"
#include "model/Hub3aPayload.h"
#include "model/SlipFile.h"
#include "render/BarcodeModules.h"
#include "render/BarcodePlacement.h"
#include "render/BarcodeSymbol.h"
#include "render/Hub3aForm.h"
#include "render/PaintHub3a.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <gtest/gtest.h>

namespace {

Hub3aRecord dataFile(const char *name)
{
    QFile file(QStringLiteral(ZORVAT_TEST_DATA_DIR "/hub3a/") + QLatin1StringView(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return SlipFile::hub3aFromBytes(file.readAll()).value_or(Hub3aRecord());
}

QImage blank(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The slip drawn whole on white, as the preview drew it before it kept the form's picture.
QImage drawnWhole(QSize size, const Hub3aRecord &record)
{
    QImage image = blank(size);
    QPainter painter(&image);
    const QSizeF slip = Hub3aForm::sizeMm;
    paintHub3aSlip(painter, QTransform::fromScale(size.width() / slip.width(), size.height() / slip.height()),
                   PrintMode::Complete, record);
    return image;
}

// One preview kept through a sequence of repaints, of other sizes and data, as a tab keeps it: each
// picture has the pixels of the slip drawn whole, so a kept form or barcode never shows stale.
TEST(Hub3aPreview, EveryRepaintHasThePixelsOfTheSlipDrawnWhole)
{
    const Hub3aRecord full = dataFile("full.txt");
    Hub3aRecord typedOn = full;
    typedOn.set(Hub3aField::Description, full[Hub3aField::Description] + QStringLiteral("x"));
    const struct
    {
        const char *what;
        QSize size;
        Hub3aRecord record;
    } repaints[] = {
        {"first", {840, 396}, full},
        {"a keystroke", {840, 396}, typedOn},
        {"the data unchanged", {840, 396}, typedOn},
        {"another size", {611, 288}, typedOn},
        {"no data", {611, 288}, Hub3aRecord()},
    };
    Hub3aPreview preview;
    for (const auto &r : repaints) {
        QImage picture = blank(r.size);
        {
            QPainter painter(&picture);
            preview.paint(painter, r.size, r.record);
        }
        EXPECT_TRUE(picture == drawnWhole(r.size, r.record)) << r.what;
    }
}

// A barcode in whole pixels, at a preview's 4 pixels a millimetre (1-pixel modules) and at 300 dpi
// (3-pixel modules): its dark pixels span exactly the symbol, and each pixel there has the ink of
// its own module, so a row or column drawn twice, shifted or left out shows.
TEST(Hub3aPreview, BarcodePixelsAreTheSymbolsModules)
{
    const QByteArray payload = *hub3aPayloadBytes(dataFile("full.txt"));
    const BarcodeSymbol symbol = BarcodeSymbol::hub3a(payload);
    const struct
    {
        int dotsPerMeter;
        int module;
    } devices[] = {{4000, 1}, {11811, 3}};
    for (const auto &d : devices) {
        const double pixelsPerMm = d.dotsPerMeter / 1000.0;
        QImage image = blank((Hub3aForm::sizeMm * pixelsPerMm).toSize());
        image.setDotsPerMeterX(d.dotsPerMeter);
        image.setDotsPerMeterY(d.dotsPerMeter);
        {
            QPainter painter(&image);
            paintHub3aBarcode(painter, QTransform::fromScale(pixelsPerMm, pixelsPerMm), payload);
        }
        QRect inked;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    inked |= QRect(x, y, 1, 1);
        ASSERT_EQ(inked.width(), symbol.width() * d.module) << d.dotsPerMeter;
        ASSERT_EQ(inked.height() % symbol.rows(), 0) << d.dotsPerMeter;
        const int rowHeight = inked.height() / symbol.rows();
        EXPECT_EQ(rowHeight, BarcodeSymbol::rowModules * d.module) << d.dotsPerMeter;
        int wrong = 0;
        for (int y = 0; y < inked.height(); ++y)
            for (int x = 0; x < inked.width(); ++x) {
                const QRgb expected = symbol.dark(y / rowHeight, x / d.module) ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
                wrong += image.pixel(inked.left() + x, inked.top() + y) != expected;
            }
        EXPECT_EQ(wrong, 0) << d.dotsPerMeter;
    }
}

// The picture of the modules has the pixels of their rectangles wherever a raster places them: whole
// pixels, modules below a pixel, rows squeezed into a short cell and origins between pixels.
TEST(Hub3aPreview, BarcodePictureHasThePixelsOfItsRectangles)
{
    const BarcodeSymbol symbol = BarcodeSymbol::hub3a(*hub3aPayloadBytes(dataFile("full.txt")));
    const QRectF cells[] = {{10.3, 7.6, 232.4, 80.2}, {3.5, 2.5, 169.7, 58.1}, {0.4, 0.6, 120.3, 21.7},
                            {5, 5, 700, 300},          {2.49, 1.51, 90.2, 12.3}};
    for (const QRectF &cell : cells) {
        const BarcodePlacement placement =
            placeBarcode(symbol.width(), symbol.rows(), cell, 96, 96, BarcodeDevice::Raster);
        QImage rectangles = blank(QSize(720, 320));
        QImage picture = rectangles;
        {
            QPainter painter(&rectangles);
            fillBarcodeModules(painter, symbol, placement, Qt::black);
        }
        {
            QPainter painter(&picture);
            const BarcodePicture modules = barcodePicture(symbol, placement, qRgb(0, 0, 0));
            painter.drawImage(modules.corner, modules.picture);
        }
        EXPECT_TRUE(picture == rectangles) << cell.width() << " x " << cell.height();
    }
}

} // namespace
