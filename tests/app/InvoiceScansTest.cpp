#include "app/InvoiceScans.h"
#include "FakePrinter.h"
#include "InvoiceDocuments.h"
#include "WindowFixture.h"
#include "app/BatchSlips.h"
#include "app/Hub3aTab.h"
#include "app/ScanListDialog.h"
#include "batch/Hub3aTable.h"
#include "batch/Hub3aTableReader.h"
#include "model/TextFile.h"

#include <QApplication>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QTableWidget>
#include <QTimer>

namespace {

using namespace Qt::StringLiterals;
using namespace InvoiceDocuments;
using F = Hub3aField;

class InvoiceScansTest : public WindowFixture
{
protected:
    InvoiceScansTest()
        : batch(*window, *window, dialogs, printer, store), scans(*window, *window, dialogs, batch)
    {
        window->setInvoiceReader([this](const QStringList &paths) { scans.scanFiles(paths); });
        scans.showList = [this](const QList<ScannedSlip> &slips, const QList<ScanMiss> &misses) {
            listed = slips;
            missed = misses;
        };
    }

    // A picture holding only the barcode of record, small enough to read quickly; or none at all.
    QString barcodeFile(const QString &name, const Hub3aRecord &record)
    {
        return imageFile(name, pdf417Image(hub3Payload(record), 3));
    }
    QString blankFile(const QString &name) { return imageFile(name, invoicePage(QByteArray(), 20)); }
    QString imageFile(const QString &name, const QImage &image)
    {
        writeImage(dir.filePath(name), image, "png");
        return dir.filePath(name);
    }

    FakePrinter printer;
    BatchSlips batch;
    InvoiceScans scans;
    QList<ScannedSlip> listed;
    QList<ScanMiss> missed;
};

TEST_F(InvoiceScansTest, OneBarcodeFillsTheTabKeepingItsPayerAndAsksBeforeReplacingASlip)
{
    Hub3aRecord recipientOnly = fullSlip();
    for (const F payerField : {F::PayerName, F::PayerStreet, F::PayerPlace})
        recipientOnly.set(payerField, QString());
    const QString invoice = barcodeFile(u"račun.png"_s, recipientOnly);
    for (const auto &[field, text] : {std::pair{F::PayerName, u"Ivana Čičak"_s},
                                      {F::PayerStreet, u"Ilica 12"_s},
                                      {F::PayerPlace, u"10000 Zagreb"_s}})
        window->hub3a().setText(field, text);

    window->openFiles({invoice}); // as a drop onto the window hands them on
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(window->hub3a().record().texts, fullSlip().texts);

    dialogs.answerYes = false;
    window->hub3a().setText(F::Amount, u"9,99"_s);
    scans.scanFiles({invoice});
    ASSERT_EQ(dialogs.questions.size(), 1);
    // The tab keeps no record of saving: the question does not call its slip unsaved.
    EXPECT_TRUE(dialogs.questions[0].startsWith(u"HUB-3A kartica već sadrži nalog. Zamijeniti ga"_s));
    EXPECT_EQ(window->hub3a().text(F::Amount), u"9,99"_s);
}

TEST_F(InvoiceScansTest, SeveralBarcodesAreListedWithTheFilesThatHeldNone)
{
    Hub3aRecord wrong = fullSlip();
    wrong.set(F::RecipientIban, u"HR1210010051863000161"_s);
    const QStringList files{barcodeFile(u"a.png"_s, fullSlip()), blankFile(u"prazan.png"_s),
                            barcodeFile(u"b.png"_s, wrong), blankFile(u"c.png"_s)};
    scans.scanFiles(files); // more than a few: read with the progress dialog
    ASSERT_EQ(listed.size(), 2);
    EXPECT_EQ(listed[0].file, files[0]);
    EXPECT_EQ(listed[0].verdict, QString());
    EXPECT_TRUE(listed[1].verdict.startsWith(u"IBAN primatelja"_s)) << listed[1].verdict.toStdString();
    ASSERT_EQ(missed.size(), 2);
    EXPECT_EQ(missed[0].file, files[1]);
    EXPECT_EQ(missed[1].file, files[3]);

    // "Spremi tablicu": the batch table, which reads back on the tab's payer; the slip that fails its
    // checks is refused there as the batch refuses it.
    const QString table = dir.filePath(u"nalozi.csv"_s);
    dialogs.setNextFileName(table);
    scans.saveTable(listed);
    const Hub3aTable read = readHub3aTable(TextFile::readWhole(table), {});
    ASSERT_EQ(read.slips.size(), 1);
    EXPECT_EQ(read.slips[0].record.texts, fullSlip().texts);
    EXPECT_EQ(read.problems.size(), 1);

    // "Nalozi za banku": the valid slip as an order, the failing one named among the refused.
    QList<NumberedSlip> orders;
    QList<RowProblem> refused;
    batch.saveBankFile = [&](const QList<NumberedSlip> &slips, const QList<RowProblem> &problems) {
        orders = slips;
        refused = problems;
    };
    scans.bankFile(listed);
    ASSERT_EQ(orders.size(), 1);
    EXPECT_EQ(orders[0].record.texts, fullSlip().texts);
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused[0].column, u"iban_primatelja"_s);

    // "PDF": the failing slip is reported first, by its file and page, and the other is written.
    QList<RowProblem> reported;
    batch.showReport = [&reported](const QList<RowProblem> &problems, int, bool) {
        reported = problems;
        return true;
    };
    const QString pdf = dir.filePath(u"nalozi.pdf"_s);
    dialogs.setNextFileName(pdf);
    scans.writePdf(listed);
    ASSERT_EQ(reported.size(), 1);
    EXPECT_EQ(reported[0].rowLabel(), u"b.png, str. 1"_s);
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_TRUE(dialogs.messages.last().startsWith(u"Spremljeno uplatnica: 1"_s))
        << dialogs.messages.last().toStdString();
}

TEST_F(InvoiceScansTest, TheListShowsEachSlipTheTotalAndTheFilesWithoutOneAndOpensTheChosenRow)
{
    Hub3aRecord second = fullSlip();
    second.set(F::Amount, u"0,44"_s);
    ScannedSlip invoice{u"/r/r.xml"_s, 0, fullSlip(), QString()};
    invoice.source = ScanSource::EInvoice;
    invoice.due = QDate(2026, 11, 30);
    invoice.overdue = true;
    invoice.remarks = {u"Račun navodi i druge račune primatelja: NL57RABO0107307510"_s};
    const QList<ScannedSlip> slips{{u"/r/a.pdf"_s, 1, fullSlip(), QString()},
                                   {u"/r/b.pdf"_s, 2, second, u"IBAN primatelja: x\nopis plaćanja: y"_s},
                                   invoice};
    std::optional<ScannedSlip> opened;
    ScanListDialog list(slips, {{u"/r/c.png"_s, 1, u"Na stranici nema bar-koda za plaćanje"_s}},
                        {{}, {}, {}, [&opened](const ScannedSlip &slip) { opened = slip; }, {}},
                        window.get());
    // Without bank files the list offers no bank orders.
    EXPECT_EQ(list.findChild<QPushButton *>(u"ScanBankFile"_s), nullptr);
    const auto *table = list.findChild<QTableWidget *>(u"ScanTable"_s);
    ASSERT_EQ(table->rowCount(), 3);
    const QStringList secondRow =
        u"b.pdf|2|bar-kod|Vodovod d.o.o.|0,44||HR01 102-3057-89016|IBAN primatelja: x; opis plaćanja: y"_s.split(u'|');
    for (int column = 0; column < secondRow.size(); ++column)
        EXPECT_EQ(table->item(1, column)->text(), secondRow[column]);
    EXPECT_EQ(table->item(0, 7)->text(), u"Ispravan"_s);
    EXPECT_EQ(table->item(2, 1)->text(), QString());
    EXPECT_EQ(table->item(2, 2)->text(), u"e-račun"_s);
    EXPECT_EQ(table->item(2, 5)->text(), u"30.11.2026. (dospjelo)"_s);
    EXPECT_EQ(table->item(2, 7)->text(), u"Ispravan; Račun navodi i druge račune primatelja: NL57RABO0107307510"_s);
    QStringList labels;
    for (const QLabel *label : list.findChildren<QLabel *>())
        labels.append(label->text());
    EXPECT_TRUE(labels.contains(u"Ukupno naloga: 3, iznos 2.469,56 EUR"_s))
        << labels.join(u'|').toStdString();
    EXPECT_TRUE(labels.contains(u"Bez naloga:\nc.png, str. 1: Na stranici nema bar-koda za plaćanje"_s));

    auto *open = list.findChild<QPushButton *>(u"ScanOpenInTab"_s);
    EXPECT_FALSE(open->isEnabled());
    list.findChild<QTableWidget *>(u"ScanTable"_s)->selectRow(1);
    ASSERT_TRUE(open->isEnabled());
    open->click();
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened->file, u"/r/b.pdf"_s);
}

TEST_F(InvoiceScansTest, AReadThatLastsShowsItsProgressUnderAWaitCursorAndStopsOnOdustani)
{
    // One file of letter pages: every page gets every look, which lasts well over a moment.
    const QString letters = dir.filePath(u"dopisi.pdf"_s);
    writeVectorPdf(letters, QList<QByteArray>(6));
    QString label;
    bool waitCursor = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *progress = qobject_cast<QProgressDialog *>(widget);
            if (!progress || !progress->isVisible())
                continue;
            label = progress->labelText();
            waitCursor = QGuiApplication::overrideCursor() &&
                         QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
            progress->cancel();
            watch.stop();
        }
    });
    watch.start(50);
    scans.scanFiles({letters});
    EXPECT_TRUE(label.startsWith(u"Pročitano računa: 0 od 1"_s)) << label.toStdString();
    EXPECT_TRUE(waitCursor);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_FALSE(dialogs.messages.isEmpty());
    EXPECT_EQ(dialogs.messages.last(), u"Prekinuto: nijedan nalog nije učitan."_s);
}

} // namespace
