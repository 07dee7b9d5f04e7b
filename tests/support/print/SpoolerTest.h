#pragma once

#include "PrivateSpooler.h"
#include "print/PrinterDevice.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QRectF>
#include <QTest>

#include <gtest/gtest.h>

// Tests that print through the private spooler; skipped, saying why, where it cannot run.
class SpoolerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QString whyNot;
        spooler = PrivateSpooler::get(&whyNot);
        if (!spooler)
            GTEST_SKIP() << "End-to-end print test skipped: " << whyNot.toStdString();
    }

    // Where the test queue's printable area lies on its default paper, in millimetres.
    QRectF queueArea() const { return queuePage().paintRect(QPageLayout::Millimeter); }
    // The test queue's default paper at the margins it prints.
    QPageLayout queuePage() const
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(spooler->queue());
        printer.setPageSize(QPrinterInfo::printerInfo(spooler->queue()).defaultPageSize());
        return printer.pageLayout();
    }

    // Refreshes the printer's list until it shows queue (or no longer shows it), and returns the
    // queue's index. Other test programs add and remove queues on the same scheduler meanwhile,
    // and a listing taken during such a change can come back without any printer.
    static int refreshUntil(PrinterDevice &printer, const QString &queue, bool listed = true)
    {
        int index = -1;
        EXPECT_TRUE(QTest::qWaitFor([&] {
            printer.Refresh();
            index = int(printer.Printers().indexOf(queue));
            return (index >= 0) == listed;
        })) << queue.toStdString()
            << (listed ? " never listed" : " still listed");
        return index;
    }

    PrivateSpooler *spooler = nullptr;
};
