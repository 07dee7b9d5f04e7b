#include "print/PlatformPrinter.h"
#include "FakeUserDialogs.h"
#include "PdfPage.h"
#include "QtPrinters.h"
#include "TestRectangle.h"
#include "UserErrorOf.h"
#include "print/CupsSubmit.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <cups/cups.h>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Points the process at a spooler that does not exist, so the platform lists no printer.
void withoutSpooler()
{
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    cupsSetServer("/nonexistent/cups.sock");
}

// The printable area that a fresh PDF set-up gives, in millimetres on the sheet.
QRectF defaultPdfArea()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    return printer.pageLayout().paintRect(QPageLayout::Millimeter);
}

class PlatformPrinterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        withoutSpooler();
        ASSERT_TRUE(dir.isValid());
        dialogs.everyFileName = dir.filePath(u"form.pdf"_s);
    }

    void printRectangle() { printTestRectangle(printer, u"Ispis na pisač - Zorvat 1.0 - ispis uplatnice"_s); }

    QTemporaryDir dir;
    FakeUserDialogs dialogs;
    PlatformPrinter printer{dialogs};
};

TEST_F(PlatformPrinterTest, WithoutPlatformPrintersThePdfFileIsTheOnlyAndCurrentEntry)
{
    EXPECT_EQ(printer.Printers(), QStringList{u"PDF datoteka"_s});
    EXPECT_EQ(printer.PrinterIndex(), 0);
    printer.setPrinterIndex(-1);
    EXPECT_EQ(printer.PrinterIndex(), 0);
}

TEST_F(PlatformPrinterTest, RefusesAnIndexOutsideTheList)
{
    for (const int index : {-2, 1, 7})
        EXPECT_EQ(userErrorOf([&] { printer.setPrinterIndex(index); }), u"Printer index out of range"_s)
            << index;
    EXPECT_EQ(printer.PrinterIndex(), 0);
}

TEST_F(PlatformPrinterTest, ThePageIsThePrintableAreaInTwelveAndAHalfUnitsPerMillimetre)
{
    const QRectF area = defaultPdfArea();
    EXPECT_EQ(printer.PageWidth(), int(area.width() * 12.5));
    EXPECT_EQ(printer.PageHeight(), int(area.height() * 12.5));
}

TEST_F(PlatformPrinterTest, PrintingToThePdfEntryAsksForTheFileAndWritesOneTitledPage)
{
    printRectangle();

    EXPECT_EQ(dialogs.fileTitles, QStringList{u"Odredite naziv PDF datoteke"_s});
    EXPECT_FALSE(printer.Printing());
    const PdfPage page = PdfPage::read(*dialogs.everyFileName);
    ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
    EXPECT_EQ(page.title, u"Ispis na pisač - Zorvat 1.0 - ispis uplatnice"_s);
    EXPECT_EQ(page.pages, 1);
}

TEST_F(PlatformPrinterTest, DeviceUnitsAreOneTwelveAndAHalfthOfAMillimetreFromThePrintableCorner)
{
    printRectangle();

    const PdfPage page = PdfPage::read(*dialogs.everyFileName);
    ASSERT_TRUE(page.error.isEmpty()) << page.error.toStdString();
    expectTestRectangle(page.raster, defaultPdfArea());
}

TEST_F(PlatformPrinterTest, CancellingTheFileNamePrintsNothing)
{
    dialogs.everyFileName.reset();
    EXPECT_FALSE(printer.BeginDoc());
    EXPECT_FALSE(printer.Printing());
    EXPECT_EQ(userErrorOf([&] { printer.Canvas(); }), u"Printer is not currently printing"_s);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(PlatformPrinterTest, ANameWithoutASuffixGetsPdfBeforeTheDialogAsksToReplaceIt)
{
    dialogs.everyFileName = dir.filePath(u"racuni"_s);
    printRectangle();
    EXPECT_EQ(PdfPage::read(dir.filePath(u"racuni.pdf"_s)).pages, 1);
    EXPECT_FALSE(QFile::exists(dir.filePath(u"racuni"_s)));
}

TEST_F(PlatformPrinterTest, AbortDropsTheDocumentAndTheNextOneStartsClean)
{
    ASSERT_TRUE(printer.BeginDoc());
    printer.Canvas().drawLine(0, 0, 100, 100);
    printer.Abort();
    EXPECT_FALSE(printer.Printing());
    EXPECT_FALSE(QFile::exists(*dialogs.everyFileName));

    printRectangle();
    EXPECT_EQ(PdfPage::read(*dialogs.everyFileName).pages, 1);
}

TEST_F(PlatformPrinterTest, PageOperationsNeedAnOpenDocumentAndOnlyOne)
{
    const QString notPrinting = u"Printer is not currently printing"_s;
    EXPECT_EQ(userErrorOf([&] { printer.Canvas(); }), notPrinting);
    EXPECT_EQ(userErrorOf([&] { printer.EndDoc(); }), notPrinting);
    printer.Abort();

    ASSERT_TRUE(printer.BeginDoc());
    EXPECT_EQ(userErrorOf([&] { printer.BeginDoc(); }), u"Printing in progress"_s);
    printer.Abort();
}

TEST_F(PlatformPrinterTest, AFileThatCannotBeWrittenFailsTheJobAndLeavesThePrinterIdle)
{
    const QString path = dir.filePath(u"missing/form.pdf"_s);
    dialogs.everyFileName = path;
    ASSERT_TRUE(printer.BeginDoc());
    EXPECT_EQ(userErrorOf([&] { printer.EndDoc(); }), u"Datoteka %1 ne može se stvoriti"_s.arg(path));
    EXPECT_FALSE(printer.Printing());
}

TEST(SpoolerReason, ARefusedJobIsExplainedInCroatianWhateverTheSpoolerSaid)
{
    const struct
    {
        ipp_status_t status;
        const char16_t *reason;
    } cases[] = {
        // A host that is down reaches the program as the spooler's English "Host is down".
        {IPP_STATUS_ERROR_SERVICE_UNAVAILABLE,
         u"pisač ili poslužitelj ispisa nije dostupan (mreža, isključen uređaj)"},
        {IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS, u"pisač trenutačno ne prima ispise"},
        {IPP_STATUS_ERROR_NOT_AUTHORIZED, u"ispis na taj pisač nije dopušten"},
        {IPP_STATUS_ERROR_INTERNAL, u"poslužitelj ispisa javlja grešku 500"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(spoolerReason(c.status), QString::fromUtf16(c.reason)) << int(c.status);
}

} // namespace
