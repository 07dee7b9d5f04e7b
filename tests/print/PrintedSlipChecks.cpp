#include "PrintedSlipChecks.h"
#include "Hub3aTestSlips.h"
#include "PdfPage.h"
#include "print/BarcodeReadBack.h"

#include <gtest/gtest.h>

#include <iostream>
#include <optional>

namespace {

constexpr int measuringDpi = 600;

// The centre of a printed rule across its width, in millimetres: the darkness-weighted mean of the
// dark dots within 0.6 mm of where it is expected, on a few lines 0.5 mm apart along it.
std::optional<double> ruleCentre(const QImage &grey, Qt::Orientation rule, double alongMm, double expectedMm)
{
    const double dotsPerMm = measuringDpi / 25.4;
    double weighted = 0, total = 0;
    for (const double along : {alongMm - 0.5, alongMm, alongMm + 0.5}) {
        const int fixed = int(along * dotsPerMm);
        for (int at = int((expectedMm - 0.6) * dotsPerMm); at <= int((expectedMm + 0.6) * dotsPerMm); ++at) {
            const QPoint dot = rule == Qt::Vertical ? QPoint(at, fixed) : QPoint(fixed, at);
            if (!grey.rect().contains(dot))
                continue;
            const int level = grey.constScanLine(dot.y())[dot.x()];
            if (level < 160) { // the ink, not its tints

                weighted += (at + 0.5) * (255 - level);
                total += 255 - level;
            }
        }
    }
    if (total == 0)
        return std::nullopt;
    return weighted / total / dotsPerMm;
}

} // namespace

void expectFrameCorners(const QString &pdf, double topMm, const char *what)
{
    QString error;
    const QImage grey = pdfRaster(pdf, measuringDpi, &error);
    ASSERT_FALSE(grey.isNull()) << error.toStdString();
    const struct
    {
        const char *name;
        double left, right, top, bottom; // the frame's lines in the artwork, mm from the slip's corner
        double middle;                   // x where its top and bottom lines are measured
    } frames[] = {{"order", 5.18, 147.81, 4.18, 81.92, 30}, {"stub", 152.18, 207.82, 4.18, 81.92, 180}};
    constexpr double verticalsAt = 40; // y where the left and right lines are measured
    for (const auto &f : frames) {
        const auto left = ruleCentre(grey, Qt::Vertical, topMm + verticalsAt, f.left);
        const auto right = ruleCentre(grey, Qt::Vertical, topMm + verticalsAt, f.right);
        const auto top = ruleCentre(grey, Qt::Horizontal, f.middle, topMm + f.top);
        const auto bottom = ruleCentre(grey, Qt::Horizontal, f.middle, topMm + f.bottom);
        ASSERT_TRUE(left && right && top && bottom) << what << ' ' << f.name;
        std::cout << "[ measured ] " << what << ' ' << f.name << " frame corners " << *left << ", "
                  << *top - topMm << " and " << *right << ", " << *bottom - topMm << " mm\n";
        EXPECT_NEAR(*left, f.left, 0.1) << what << ' ' << f.name;
        EXPECT_NEAR(*right, f.right, 0.1) << what << ' ' << f.name;
        EXPECT_NEAR(*top - topMm, f.top, 0.1) << what << ' ' << f.name;
        EXPECT_NEAR(*bottom - topMm, f.bottom, 0.1) << what << ' ' << f.name;
    }
}

void expectBarcodeReadsBack(const QString &pdf, QPointF cornerMm, const QByteArray &payload,
                            const std::string &what, double paperScale)
{
    for (const int dpi : {300, 600}) {
        QString error;
        const QImage raster = pdfRaster(pdf, dpi * paperScale, &error);
        ASSERT_FALSE(raster.isNull()) << error.toStdString();
        EXPECT_EQ(readBarcodeBytes(Hub3aTestSlips::barcodeCell(raster, dpi / 25.4, cornerMm)), payload)
            << what << " at " << dpi << " dpi";
    }
}
