#pragma once

#include "PrivateSpooler.h"

#include <QPrinter>
#include <QRectF>

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

    // Where the test queue's printable area lies on the sheet, in millimetres.
    QRectF queueArea() const
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(spooler->queue());
        return printer.pageLayout().paintRect(QPageLayout::Millimeter);
    }

    PrivateSpooler *spooler = nullptr;
};
