#include "model/UserError.h"
#include "render/BarcodePlacement.h"
#include "render/BarcodeSymbol.h"
#include "render/OpsJson.h"
#include "render/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The HUB-3A barcode cell inside its lines: 58.55 x 26.38 mm.
QRectF cellAt(double dotsPerInch)
{
    const double perMm = dotsPerInch / 25.4;
    return QRectF(5.36 * perMm, 55.36 * perMm, 58.55 * perMm, 26.38 * perMm);
}

bool whole(double value)
{
    return std::abs(value - std::round(value)) < 1e-9;
}

TEST(BarcodeSymbol, NineDataColumnsAndRowsByPayloadLength)
{
    // Bytes outside ASCII go by byte compaction at level 4: rows = ceil((5 * (n / 6) + n % 6 + 2 + 32) / 9).
    // Plain text may go by text compaction, which is never longer.
    const struct
    {
        int bytes, rows;
    } cases[] = {{182, 21}, {287, 31}, {300, 32}, {305, 33}, {482, 49}};
    for (const auto &c : cases) {
        const BarcodeSymbol symbol = BarcodeSymbol::hub3a(QByteArray(c.bytes, '\xC4'));
        EXPECT_EQ(symbol.width(), 17 * (9 + 4) + 1) << c.bytes;
        EXPECT_EQ(symbol.rows(), c.rows) << c.bytes;
        EXPECT_LE(BarcodeSymbol::hub3a(QByteArray(c.bytes, 'a')).rows(), c.rows) << c.bytes;
    }
}

TEST(BarcodeSymbol, RowsStartAndEndWithTheStartAndStopPatterns)
{
    const BarcodeSymbol symbol = BarcodeSymbol::hub3a("HRVHUB30\nEUR\n");
    const char *start = "11111111010101000"; // the PDF417 start pattern
    for (int row = 0; row < symbol.rows(); ++row) {
        for (int i = 0; i < 17; ++i)
            ASSERT_EQ(symbol.dark(row, i), start[i] == '1') << row << ' ' << i;
        EXPECT_TRUE(symbol.dark(row, symbol.width() - 1));
    }
}

TEST(BarcodeSymbol, TooLongPayloadIsAUserError)
{
    EXPECT_THROW(BarcodeSymbol::hub3a(QByteArray(2000, 'a')), UserError);
}

TEST(BarcodePlacement, ModuleByDevice)
{
    const struct
    {
        const char *what;
        double dpi;
        BarcodeDevice device;
        int rows;
        double module, rowHeight;
        bool scaled;
    } cases[] = {
        {"8 px/mm image: 2 px", 203.2, BarcodeDevice::Raster, 21, 2, 6, false},
        {"300 dpi: 3 dots", 300, BarcodeDevice::Raster, 21, 3, 9, false},
        {"600 dpi: 6 dots", 600, BarcodeDevice::Raster, 32, 6, 18, false},
        {"33 rows still fit at 3 modules", 600, BarcodeDevice::Raster, 33, 6, 18, false},
        // Longer symbols: rows as high as 2 mm of white above and below allow, at least 2 modules.
        {"34 rows: 15 dots of the 15.5 the cell leaves", 600, BarcodeDevice::Raster, 34, 6, 15, false},
        {"34 rows at 300 dpi: 7 dots", 300, BarcodeDevice::Raster, 34, 3, 7, false},
        {"49 rows still fit at 2 modules", 300, BarcodeDevice::Raster, 49, 3, 6, false},
        {"2.5 px module too wide for the cell: 2", 254, BarcodeDevice::Raster, 21, 2, 6, false},
        {"preview: scaled into the cell", 60, BarcodeDevice::Raster, 21, 58.55 * 60 / 25.4 / 226, 0, true},
        {"PDF: exactly 1/100 inch", 1200, BarcodeDevice::Vector, 21, 12, 36, false},
        {"PDF, 34 rows: 22.38 mm of rows", 1200, BarcodeDevice::Vector, 34, 12, 22.38 / 34 * 1200 / 25.4,
         false},
        {"PDF, 47 rows: 2 modules", 1200, BarcodeDevice::Vector, 47, 12, 24, false},
    };
    for (const auto &c : cases) {
        const QRectF cell = cellAt(c.dpi);
        const BarcodePlacement p = placeBarcode(222, c.rows, cell, c.dpi, c.device);
        EXPECT_NEAR(p.module, c.module, 1e-9) << c.what;
        if (c.rowHeight > 0) {
            EXPECT_NEAR(p.rowHeight, c.rowHeight, 1e-9) << c.what;
        }
        EXPECT_EQ(p.scaled, c.scaled) << c.what;
        // The symbol with its quiet zones stays in the cell.
        const double quiet = 2 * p.module;
        EXPECT_GE(p.origin.x() - quiet, cell.left() - p.module / 2) << c.what;
        EXPECT_LE(p.origin.x() + 222 * p.module + quiet, cell.right() + p.module / 2) << c.what;
        EXPECT_GE(p.origin.y(), cell.top()) << c.what;
        EXPECT_LE(p.origin.y() + c.rows * p.rowHeight, cell.bottom() + 1e-9) << c.what;
    }
}

TEST(BarcodePlacement, RasterOriginIsWholePixelsAndVectorOriginWholeModules)
{
    const BarcodePlacement raster = placeBarcode(222, 21, cellAt(300), 300, BarcodeDevice::Raster);
    EXPECT_TRUE(whole(raster.origin.x()) && whole(raster.origin.y()));
    const BarcodePlacement pdf = placeBarcode(222, 21, cellAt(1200), 1200, BarcodeDevice::Vector);
    EXPECT_TRUE(whole(pdf.origin.x() / 12) && whole(pdf.origin.y() / 12));
    // Centred across the cell with the first bar about 6.44 mm from the left.
    EXPECT_NEAR(pdf.origin.x() / 1200 * 25.4, 6.44, 0.254);
}

TEST(BarcodePlacement, TheSymbolKeepsTwoMillimetresToTheLinesOrSplitsTheRoomEvenly)
{
    const struct
    {
        const char *what;
        double dpi;
        BarcodeDevice device;
    } devices[] = {{"300 dpi", 300, BarcodeDevice::Raster},
                   {"600 dpi", 600, BarcodeDevice::Raster},
                   {"PDF", 1200, BarcodeDevice::Vector}};
    for (const auto &d : devices) {
        // 29 rows are the most that leave 2 mm above and below; 33 the most of 3 modules.
        for (const int rows : {3, 21, 28, 29, 30, 31, 33, 40, 49}) {
            const QRectF cell = cellAt(d.dpi);
            const BarcodePlacement p = placeBarcode(222, rows, cell, d.dpi, d.device);
            const double perMm = d.dpi / 25.4;
            const double above = (p.origin.y() - cell.top()) / perMm;
            const double below = (cell.bottom() - p.origin.y() - rows * p.rowHeight) / perMm;
            const double step = (d.device == BarcodeDevice::Vector ? p.module : 1) / perMm;
            const std::string what = std::string(d.what) + ", " + std::to_string(rows) + " rows";
            if (above + below >= 4 + step) {
                EXPECT_GE(above, 2 - 1e-9) << what;
                EXPECT_GE(below, 2 - 1e-9) << what;
            }
            EXPECT_NEAR(above, below, 2 * step + 1e-9) << what;
        }
    }
}

TEST(BarcodePlacement, TooManyRowsForTwoModulesAreSqueezed)
{
    const BarcodePlacement p = placeBarcode(222, 60, cellAt(600), 600, BarcodeDevice::Raster);
    EXPECT_TRUE(p.scaled);
    EXPECT_LE(p.origin.y() + 60 * p.rowHeight, cellAt(600).bottom() + 1e-9);
}

TEST(BarcodeOp, IsRecordedWithItsCellPayloadAndInk)
{
    RecordingSurface surface;
    surface.setPenColor(0x000000);
    surface.Barcode(536, 5536, 6391, 8174, "HRVHUB30\n\xC4\x8D\n");
    ASSERT_EQ(surface.ops().size(), 1u);
    const QJsonObject json = OpsJson::toJson(surface.ops()[0]);
    EXPECT_EQ(json[u"op"].toString(), u"Barcode"_s);
    EXPECT_EQ(json[u"x1"].toInt(), 536);
    EXPECT_EQ(json[u"y1"].toInt(), 5536);
    EXPECT_EQ(json[u"x2"].toInt(), 6391);
    EXPECT_EQ(json[u"y2"].toInt(), 8174);
    EXPECT_EQ(json[u"payload"].toString(), u"HRVHUB30\nč\n"_s);
    EXPECT_EQ(json[u"penColor"].toString(), u"#000000"_s);
}

} // namespace
