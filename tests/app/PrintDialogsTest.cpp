#include "app/PrintDialogs.h"
#include "WindowFixture.h"
#include "model/Calibration.h"
#include "print/PlatformPrinter.h"
#include "print/PrintProp.h"
#include "print/PrnCalibrate.h"

#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>

namespace {

// What poppler reads from a PDF: its title and its text.
QString pdfTool(const char *tool, const QString &path)
{
    QProcess process;
    const bool toText = qstrcmp(tool, "pdftotext") == 0;
    process.start(QLatin1StringView(tool),
                  toText ? QStringList{path, QStringLiteral("-")} : QStringList{path});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintDialogsTest : public WindowFixture
{
protected:
    PrintDialogsTest()
    {
        window->setHooks({.showPrintDialog = [this] { printing.showPrintDialog(); },
                          .showPartnerDialog = {},
                          .makeFirstPrinterCurrent = [this] { printer.setPrinterIndex(0); }});
    }

    // Prints to "PDF datoteka" with the print dialog and returns the file.
    QString printToPdf(const QString &name)
    {
        TForm3 &dialog = printing.printDialog();
        auto *box = dialog.findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        box->setCurrentIndex(box->findText(QStringLiteral("PDF datoteka")));
        const QString path = dir.filePath(name);
        dialogs.setNextFileName(path);
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("BitBtn2")), Qt::LeftButton);
        return path;
    }

    PlatformPrinter printer{dialogs};
    PrintDialogs printing{*window, printer, store};
};

TEST_F(PrintDialogsTest, IspisiShowsThePrintDialogWithoutBlockingTheWindow)
{
    showWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    trigger("Ispii1");
    TForm3 &dialog = printing.printDialog();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(dialog.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->currentIndex(),
              printer.PrinterIndex());
    EXPECT_FALSE(printing.calibrationDialog().isVisible());
}

TEST_F(PrintDialogsTest, StartUpLoadsTheFirstPrintersCalibrationIntoTheWindow)
{
    storeCalibration(store, printer.Printers().first(), Calibration{7, 7, 3, 3, 2, 9});
    printer.setPrinterIndex(int(printer.Printers().size()) - 1);
    window->FormCreate();
    printing.calibrationDialog().FormCreate();
    EXPECT_EQ(printer.PrinterIndex(), 0);
    EXPECT_EQ(window->calibration(), (Calibration{7, 7, 3, 3, 2, 9}));
    EXPECT_EQ(printing.calibrationDialog().findChild<QLineEdit *>(QStringLiteral("Edit1"))->text(),
              QStringLiteral("7"));
}

TEST_F(PrintDialogsTest, ThePrintDialogPrintsTheRecordOfTheTabActiveAtTheClick)
{
    showWindow();
    set("Memo1", QStringLiteral("Ivan Horvat"));
    set("Nalogodavac", QStringLiteral("Ana Kovač"));
    trigger("Ispii1");

    selectTab(SlipKind::Zorvat); // switched while the dialog is open
    const QString zorvat = printToPdf(QStringLiteral("zorvat.pdf"));
    EXPECT_TRUE(
        pdfTool("pdfinfo", zorvat).contains(QStringLiteral("Ispis na pisač - Zorvat 1.0 - ispis zorvata")));
    EXPECT_TRUE(pdfTool("pdftotext", zorvat).contains(QStringLiteral("Ana Kovač")));
    EXPECT_FALSE(printing.printDialog().isVisible());

    trigger("Ispii1");
    selectTab(SlipKind::Uplatnica);
    const QString uplatnica = printToPdf(QStringLiteral("uplatnica.pdf"));
    EXPECT_TRUE(pdfTool("pdfinfo", uplatnica)
                    .contains(QStringLiteral("Ispis na pisač - Zorvat 1.0 - ispis uplatnice")));
    EXPECT_TRUE(pdfTool("pdftotext", uplatnica).contains(QStringLiteral("Ivan Horvat")));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
}

} // namespace
