#include "app/PrintDialogs.h"
#include "WindowFixture.h"
#include "app/Hub3aTab.h"
#include "model/Calibration.h"
#include "model/Hub3aPayload.h"
#include "print/BarcodeReadBack.h"
#include "print/PlatformPrinter.h"
#include "print/PrintProp.h"
#include "print/PrnCalibrate.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
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

TEST_F(PrintDialogsTest, TheHub3aTabPrintsItsSlipWhoseBarcodeReadsBackAndOffersThePlaceOnTheSheet)
{
    Hub3aRecord record;
    record.set(Hub3aField::RecipientName, QStringLiteral("Udruga Šapica"));
    record.set(Hub3aField::RecipientIban, QStringLiteral("HR1210010051863000160"));
    record.set(Hub3aField::Description, QStringLiteral("Donacija za hranu i lijekove"));
    record.set(Hub3aField::Amount, QStringLiteral("1.234,56"));
    window->hub3a().setRecord(record);
    showWindow();
    trigger("Ispii1");
    TForm3 &dialog = printing.printDialog();
    const auto placeShown = [&] {
        return dialog.findChild<QLabel *>(QStringLiteral("PlaceOnSheetLabel"))->isVisible();
    };
    EXPECT_FALSE(placeShown());

    // The tab is switched while the dialog is open; the dialog shows its controls as it comes back.
    child<QTabWidget>("PageControl1")->setCurrentWidget(child("Hub3aPage"));
    dialog.FormActivate();
    EXPECT_TRUE(placeShown());
    const QString pdf = printToPdf(QStringLiteral("hub3a.pdf"));
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
    EXPECT_TRUE(pdfTool("pdfinfo", pdf)
                    .contains(QStringLiteral("Ispis na pisač - Zorvat 1.0 - ispis naloga HUB-3A")));
    EXPECT_TRUE(pdfTool("pdfinfo", pdf).contains(QStringLiteral("595 x 281 pts"))) << "210 x 99 mm";
    EXPECT_TRUE(pdfTool("pdftotext", pdf).contains(QStringLiteral("Udruga Šapica")));

    QProcess raster;
    raster.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"),
                  QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("hub3a"))});
    ASSERT_TRUE(raster.waitForFinished(60000));
    EXPECT_EQ(readBarcodeBytes(QImage(dir.filePath(QStringLiteral("hub3a.pgm")))), hub3aPayloadBytes(record));
}

} // namespace
