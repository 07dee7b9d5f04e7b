#include "app/PrintDialogs.h"
#include "Hub3aRecordOf.h"
#include "WindowFixture.h"
#include "app/BankFiles.h"
#include "app/BookedPrints.h"
#include "app/Hub3aTab.h"
#include "book/PaymentBook.h"
#include "model/Calibration.h"
#include "model/Hub3aPayload.h"
#include "print/BarcodeReadBack.h"
#include "print/PlatformPrinter.h"
#include "print/PrintProp.h"
#include "print/PrnCalibrate.h"

#include <QImage>
#include <QProcess>

namespace {

using namespace Qt::StringLiterals;

// What poppler reads from a PDF: its title and its text.
QString pdfTool(const char *tool, const QString &path)
{
    QProcess process;
    const bool toText = qstrcmp(tool, "pdftotext") == 0;
    process.start(QLatin1StringView(tool), toText ? QStringList{path, u"-"_s} : QStringList{path});
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
    QString printToPdf(const char *name)
    {
        TForm3 &dialog = printing.printDialog();
        auto *box = dialog.findChild<QComboBox *>(u"ComboBox1"_s);
        box->setCurrentIndex(box->findText(u"PDF datoteka"_s));
        dialogs.setNextFileName(path(name));
        QTest::mouseClick(dialog.findChild<QPushButton *>(u"BitBtn2"_s), Qt::LeftButton);
        return path(name);
    }

    PlatformPrinter printer{dialogs};
    PrintDialogs printing{*window, printer, store};
};

TEST_F(PrintDialogsTest, IspisiShowsThePrintDialogWithoutBlockingTheWindow)
{
    showActiveWindow();
    trigger("Ispii1");
    TForm3 &dialog = printing.printDialog();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(dialog.findChild<QComboBox *>(u"ComboBox1"_s)->currentIndex(), printer.PrinterIndex());
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
    EXPECT_EQ(printing.calibrationDialog().findChild<QLineEdit *>(u"Edit1"_s)->text(), u"7"_s);
}

TEST_F(PrintDialogsTest, ThePrintDialogPrintsTheRecordOfTheTabActiveAtTheClick)
{
    showWindow();
    set({{"Memo1", u"Ivan Horvat"_s}, {"Nalogodavac", u"Ana Kovač"_s}});

    const struct
    {
        SlipKind tab;
        const char *file;
        QString title, text;
    } prints[] = {
        {SlipKind::Zorvat, "zorvat.pdf", u"Ispis na pisač - Zorvat 1.0 - ispis zorvata"_s, u"Ana Kovač"_s},
        {SlipKind::Uplatnica, "uplatnica.pdf", u"Ispis na pisač - Zorvat 1.0 - ispis uplatnice"_s,
         u"Ivan Horvat"_s}};
    for (const auto &print : prints) {
        SCOPED_TRACE(print.file);
        trigger("Ispii1");
        selectTab(print.tab); // switched while the dialog is open
        const QString pdf = printToPdf(print.file);
        EXPECT_TRUE(pdfTool("pdfinfo", pdf).contains(print.title));
        EXPECT_TRUE(pdfTool("pdftotext", pdf).contains(print.text));
        EXPECT_FALSE(printing.printDialog().isVisible());
    }
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
}

TEST_F(PrintDialogsTest, TheHub3aTabPrintsItsSlipWhoseBarcodeReadsBackAndOffersThePlaceOnTheSheet)
{
    const Hub3aRecord record = hub3aRecordOf({{Hub3aField::RecipientName, u"Udruga Šapica"_s},
                                              {Hub3aField::RecipientIban, u"HR1210010051863000160"_s},
                                              {Hub3aField::Description, u"Donacija za hranu i lijekove"_s},
                                              {Hub3aField::Amount, u"1.234,56"_s}});
    window->hub3a().setRecord(record);
    showWindow();
    trigger("Ispii1");
    TForm3 &dialog = printing.printDialog();
    const auto placeShown = [&] { return dialog.findChild<QLabel *>(u"PlaceOnSheetLabel"_s)->isVisible(); };
    EXPECT_FALSE(placeShown());

    // The tab is switched while the dialog is open; the dialog shows its controls as it comes back.
    child<QTabWidget>("PageControl1")->setCurrentWidget(child("Hub3aPage"));
    dialog.FormActivate();
    EXPECT_TRUE(placeShown());
    const QString pdf = printToPdf("hub3a.pdf");
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
    EXPECT_TRUE(pdfTool("pdfinfo", pdf).contains(u"Ispis na pisač - Zorvat 1.0 - ispis naloga HUB-3A"_s));
    EXPECT_TRUE(pdfTool("pdfinfo", pdf).contains(u"595 x 281 pts"_s)) << "210 x 99 mm";
    EXPECT_TRUE(pdfTool("pdftotext", pdf).contains(u"Udruga Šapica"_s));

    QProcess raster;
    raster.start(u"pdftoppm"_s, {u"-r"_s, u"300"_s, u"-gray"_s, u"-singlefile"_s, pdf, path("hub3a")});
    ASSERT_TRUE(raster.waitForFinished(60000));
    EXPECT_EQ(readBarcodeBytes(QImage(path("hub3a.pgm"))), hub3aPayloadBytes(record));
}

TEST_F(PrintDialogsTest, APrintedSlipIsRecordedAndAskedAboutBeforeItIsPaidAgain)
{
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(path("data")));
    const BookedPrints booked(dialogs, store, PaymentBook::defaultPath());
    booked.attach(printing.printDialog());
    window->hub3a().setRecord(hub3aRecordOf({{Hub3aField::PayerName, u"Ivana Horvat"_s},
                                             {Hub3aField::PayerIban, u"HR7023400091510946338"_s},
                                             {Hub3aField::RecipientName, u"Udruga Šapica"_s},
                                             {Hub3aField::RecipientIban, u"HR1210010051863000160"_s},
                                             {Hub3aField::Description, u"Donacija"_s},
                                             {Hub3aField::Amount, u"12,00"_s}}));
    showWindow();
    child<QTabWidget>("PageControl1")->setCurrentWidget(child("Hub3aPage"));
    trigger("Ispii1");
    printing.printDialog().FormActivate();
    EXPECT_TRUE(QFile::exists(printToPdf("first.pdf")));
    EXPECT_TRUE(dialogs.questions.isEmpty());
    const QString question = u"Ovaj nalog je već plaćen %1 ispisanom uplatnicom. Ipak platiti?"_s.arg(
        QDate::currentDate().toString(u"dd.MM.yyyy."_s));

    dialogs.answerYes = false;
    trigger("Ispii1");
    EXPECT_FALSE(QFile::exists(printToPdf("again.pdf")));
    EXPECT_EQ(dialogs.questions, QStringList{question});
    // The same slip put in a bank file is asked about too, and not written when the clerk says no.
    BankFiles bankFiles(*window, *window, dialogs, store, clock);
    const qsizetype fileDialogs = dialogs.fileTitles.size();
    bankFiles.saveTabOrder();
    EXPECT_EQ(dialogs.questions, (QStringList{question, question}));
    EXPECT_EQ(dialogs.fileTitles.size(), fileDialogs);

    const QList<BookEntry> entries = PaymentBook(PaymentBook::defaultPath()).entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.front().payment.way, BookWay::Printed);
    EXPECT_EQ(entries.front().payment.wayFile, u"PDF datoteka"_s);
    EXPECT_EQ(entries.front().state, BookState::Sent);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
    qputenv("XDG_DATA_HOME", data);
}

} // namespace
