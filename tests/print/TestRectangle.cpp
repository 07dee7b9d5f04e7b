#include "TestRectangle.h"
#include "PdfPage.h"
#include "print/PrinterDevice.h"

#include <QPainter>

#include <gtest/gtest.h>

void printTestRectangle(PrinterDevice &printer, const QString &title)
{
    printer.setTitle(title);
    ASSERT_TRUE(printer.BeginDoc());
    QPainter &canvas = printer.Canvas();
    canvas.setPen(QPen(Qt::black, 2));
    canvas.drawRect(100, 200, 1000, 500);
    printer.EndDoc();
}

void expectTestRectangle(const QImage &raster, const QRectF &areaMm)
{
    const InkRun top = longestHorizontalRun(raster);
    const InkRun left = longestVerticalRun(raster);
    EXPECT_NEAR(top.at, areaMm.top() + 16.0, 0.3);
    EXPECT_NEAR(top.from, areaMm.left() + 8.0, 0.3);
    EXPECT_NEAR(top.to, areaMm.left() + 88.0, 0.3);
    EXPECT_NEAR(left.at, areaMm.left() + 8.0, 0.3);
    EXPECT_NEAR(left.from, areaMm.top() + 16.0, 0.3);
    EXPECT_NEAR(left.to, areaMm.top() + 56.0, 0.3);
}
