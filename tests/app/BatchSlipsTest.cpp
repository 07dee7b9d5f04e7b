#include "app/BatchSlips.h"
#include "Bounds.h"
#include "FakePrinter.h"
#include "PdfPageCount.h"
#include "UserErrorOf.h"
#include "WindowFixture.h"
#include "app/BatchOutputDialog.h"
#include "app/BatchProgressDialog.h"
#include "app/BatchReportDialog.h"
#include "app/BookedPrints.h"
#include "app/Hub3aTab.h"
#include "batch/Hub3aTableReader.h"
#include "book/PaymentBook.h"
#include "model/CsvTable.h"
#include "partners/PartnerEntry.h"
#include "partners/Podaci.h"
#include "print/Hub3aSlipPage.h"

#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>

namespace {

using namespace Qt::StringLiterals;

const QByteArray fullHeader =
    "platitelj_naziv;primatelj_naziv;iban_primatelja;model_primatelja;poziv_primatelja;opis;iznos\n";

// Two payers and their amounts alone; the other columns come from the HUB-3A tab.
const QByteArray anaAndIvo = "platitelj_naziv;iznos\nAna;1,00\nIvo;2,00\n";

QByteArray tableRow(const QString &payer, const QString &amount)
{
    return (payer + u";Udruga Šapica;HR1210010051863000160;HR00;2026;Članarina;"_s + amount + u'\n').toUtf8();
}

// A full table of tenants "Stanar 1".."Stanar count", row i paying amountOf(i).
template <typename AmountOf> QByteArray tenantsTable(int count, AmountOf amountOf)
{
    QByteArray table = fullHeader;
    for (int i = 1; i <= count; ++i)
        table += tableRow(u"Stanar %1"_s.arg(i), amountOf(i));
    return table;
}

class BatchSlipsTest : public WindowFixture
{
protected:
    BatchSlipsTest() : batch(*window, *window, dialogs, printer, store)
    {
        window->addFileMenuEntry(batch.menuEntry());
        batch.showReport = [this](const QList<RowProblem> &problems, int valid, bool beforeOutput) {
            reports.append({problems, valid, beforeOutput});
            return printValid;
        };
        batch.askOutput = [this]() -> std::optional<BatchOutput> {
            ++outputQuestions;
            return output;
        };
        batch.offerSavingUnprinted = [this](const QString &summary) {
            offers.append(summary);
            return saveUnprinted;
        };
    }

    QString writeTable(const QByteArray &bytes) { return writeFile(path("rows.csv"), bytes); }

    struct Report
    {
        QList<RowProblem> problems;
        int valid;
        bool beforeOutput;
    };
    FakePrinter printer;
    BatchSlips batch;
    QList<Report> reports;
    bool printValid = true;
    std::optional<BatchOutput> output = BatchOutput{};
    int outputQuestions = 0;
    QStringList offers; // summaries of prints that left rows unprinted
    bool saveUnprinted = false;
};

// How many payments the payments book holds that left through way (a PDF or a printer).
qsizetype bookedIn(const QString &way)
{
    const QList<BookEntry> entries = PaymentBook(PaymentBook::defaultPath()).entries();
    return std::count_if(entries.begin(), entries.end(),
                         [&](const BookEntry &entry) { return entry.payment.wayFile == way; });
}

TEST_F(BatchSlipsTest, TheFileMenuOffersSlipsFromATableAfterIspisi)
{
    const QList<QAction *> actions = child<QMenu>("Datoteka1")->actions();
    const qsizetype print = actions.indexOf(child<QAction>("Ispii1"));
    ASSERT_GE(print, 0);
    EXPECT_EQ(actions.value(print + 1), child<QAction>("SlipsFromTable"));
    EXPECT_EQ(actions.value(print + 1)->text(), u"Uplatnice iz &tablice..."_s);
}

TEST_F(BatchSlipsTest, ATableBecomesAPdfAndBadRowsAreReportedFirst)
{
    const struct
    {
        const char *name;
        QByteArray table;
        bool printValid;
        int reports;  // report dialogs shown
        bool written; // the PDF exists
        QString message;
        int booked; // payments recorded in the book
    } cases[] = {
        {"every row valid", fullHeader + tableRow(u"Ana"_s, u"1,00"_s) + tableRow(u"Ivo"_s, u"2,00"_s), true,
         0, true, u"Spremljeno uplatnica: 2 u %1"_s, 2},
        {"a bad row, the valid ones printed",
         fullHeader + tableRow(u"Ana"_s, u"1,00"_s) + tableRow(u"Ivo"_s, u"x"_s), true, 1, true,
         u"Spremljeno uplatnica: 1 u %1"_s, 1},
        {"a bad row, cancelled", fullHeader + tableRow(u"Ivo"_s, u"x"_s) + tableRow(u"Ana"_s, u"1,00"_s),
         false, 1, false, QString(), 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        reports.clear();
        dialogs.messages.clear();
        printValid = c.printValid;
        const QString pdf = dir.filePath(u"slips.pdf"_s);
        QFile::remove(pdf);
        const qsizetype bookedBefore = bookedIn(pdf);
        dialogs.setNextFileName(writeTable(c.table));
        dialogs.setNextFileName(dir.filePath(u"slips"_s)); // ".pdf" is added
        trigger("SlipsFromTable");
        EXPECT_EQ(reports.size(), c.reports);
        if (c.reports > 0) {
            EXPECT_TRUE(reports[0].beforeOutput);
            EXPECT_EQ(reports[0].valid, 1);
            EXPECT_EQ(reports[0].problems.value(0).column, u"iznos"_s);
        }
        EXPECT_EQ(fileBytes(pdf).startsWith("%PDF"), c.written);
        EXPECT_EQ(dialogs.messages, c.message.isEmpty() ? QStringList() : QStringList{c.message.arg(pdf)});
        EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
        EXPECT_EQ(bookedIn(pdf) - bookedBefore, c.booked);
    }
}

TEST_F(BatchSlipsTest, ColumnsTheTableLacksComeFromTheHub3aTab)
{
    window->hub3a().setText(Hub3aField::RecipientName, u"Udruga Šapica"_s);
    window->hub3a().setText(Hub3aField::RecipientIban, u"HR1210010051863000161"_s); // a wrong check digit
    dialogs.setNextFileName(writeTable(anaAndIvo));
    printValid = false;
    batch.slipsFromTableFile();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports[0].valid, 0);
    EXPECT_EQ(refusedRows(reports[0].problems), (QList<int>{1, 2}));
    EXPECT_EQ(reports[0].problems[0].column, u"iban_primatelja"_s);

    window->hub3a().setText(Hub3aField::RecipientIban, u"HR1210010051863000160"_s);
    reports.clear();
    dialogs.setNextFileName(writeTable(anaAndIvo));
    const QString pdf = dir.filePath(u"slips.pdf"_s);
    dialogs.setNextFileName(pdf);
    batch.slipsFromTableFile();
    EXPECT_TRUE(reports.isEmpty());
    EXPECT_EQ(dialogs.messages, QStringList{u"Spremljeno uplatnica: 2 u %1"_s.arg(pdf)});
}

// A table naming its payers takes none of the payer's fields from the tab; the tab's execution date
// and urgency go on the slips only when the clerk says so, never when past; the output dialog is told
// what comes from the tab.
TEST_F(BatchSlipsTest, ATablesPayerTakesNothingOfTheTabsPayerNorItsDateAndUrgencyUnlessTheClerkSays)
{
    using F = Hub3aField;
    const std::pair<F, QString> tab[] = {
        {F::PayerName, u"Marko Marić"_s},
        {F::PayerIban, u"HR1210010051863000160"_s},
        {F::PayerModel, u"HR00"_s},
        {F::PayerReference, u"77"_s},
        {F::RecipientName, u"Udruga Šapica"_s},
        {F::RecipientIban, u"HR1210010051863000160"_s},
        {F::Amount, u"10,00"_s},
        {F::Urgent, u"1"_s},
    };
    for (const auto &[field, text] : tab)
        window->hub3a().setText(field, text);
    batch.today = [] { return QDate(2026, 12, 10); };
    QList<NumberedSlip> written;
    batch.saveBankFile = [&](const QList<NumberedSlip> &slips, const QList<RowProblem> &) {
        written = slips;
    };
    output = BatchOutput{false, {}, QString(), true};
    const QByteArray payers =
        "platitelj_naziv;platitelj_ulica;platitelj_mjesto;iznos\nAna Ban;Vlaška 2;Zagreb;1,00\n";
    const struct
    {
        const char *name;
        const char16_t *tabDate;
        bool take; // the clerk's answer
        QByteArray table;
        const char16_t *error;   // empty: the slips are written
        const char16_t *date;    // on the slip
        const char16_t *urgent;  // on the slip
        const char16_t *fromTab; // what the output dialog lists
    } cases[] = {
        {"date and urgency left", u"10012026", false, payers, u"", u"", u"",
         u"naziv primatelja, IBAN primatelja"},
        {"a past date taken", u"10012026", true, payers,
         u"Datum izvršenja 10.01.2026. je prošao (HUB-3A kartica)", u"", u"", u""},
        {"a coming date taken", u"11122026", true, payers, u"", u"11122026", u"1",
         u"naziv primatelja, IBAN primatelja, datum izvršenja, hitno"},
        {"the table's own date", u"11122026", true,
         "platitelj_naziv;iznos;datum_izvrsenja\nAna Ban;1,00;12122026\n", u"", u"12122026", u"1",
         u"naziv primatelja, IBAN primatelja, hitno"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        window->hub3a().setText(F::ExecutionDate, QString::fromUtf16(c.tabDate));
        written.clear();
        dialogs.questions.clear();
        dialogs.answerYes = c.take;
        dialogs.setNextFileName(writeTable(c.table));
        EXPECT_EQ(userErrorOf([&] { batch.slipsFromTableFile(); }), QString::fromUtf16(c.error));
        ASSERT_EQ(dialogs.questions.size(), 1);
        EXPECT_TRUE(dialogs.questions[0].startsWith(u"HUB-3A kartica ima "_s))
            << dialogs.questions[0].toStdString();
        if (QString::fromUtf16(c.error).isEmpty()) {
            ASSERT_EQ(written.size(), 1);
            const Hub3aRecord &slip = written[0].record;
            EXPECT_EQ(slip[F::PayerName], u"Ana Ban"_s);
            for (const F field : {F::PayerIban, F::PayerModel, F::PayerReference})
                EXPECT_EQ(slip[field], QString()) << int(field);
            EXPECT_EQ(slip[F::RecipientName], u"Udruga Šapica"_s);
            EXPECT_EQ(slip[F::ExecutionDate], QString::fromUtf16(c.date));
            EXPECT_EQ(slip[F::Urgent], QString::fromUtf16(c.urgent));
            EXPECT_EQ(batch.fieldsFromTab(), QString::fromUtf16(c.fromTab));
        } else {
            EXPECT_TRUE(written.isEmpty());
        }
    }
    // A past date in the table refuses its row.
    reports.clear();
    printValid = false;
    dialogs.answerYes = false;
    dialogs.setNextFileName(writeTable("platitelj_naziv;iznos;datum_izvrsenja\nAna Ban;1,00;09122026\n"));
    batch.slipsFromTableFile();
    ASSERT_EQ(reports.size(), 1);
    ASSERT_EQ(reports[0].problems.size(), 1);
    EXPECT_EQ(reports[0].problems[0].column, u"datum_izvrsenja"_s);
    EXPECT_EQ(reports[0].problems[0].message, u"Datum izvršenja 09.12.2026. je prošao"_s);
}

TEST_F(BatchSlipsTest, AnUnknownColumnIsAnErrorNamingTheFileAndColumn)
{
    dialogs.setNextFileName(writeTable("platitelj;iznos\nAna;1,00\n"));
    EXPECT_EQ(userErrorOf([&] { trigger("SlipsFromTable"); }),
              u"rows.csv: Nepoznat stupac: platitelj (1. stupac zaglavlja)"_s);
    EXPECT_EQ(dialogs.fileTitles, QStringList{u"Uplatnice iz tablice"_s});
}

TEST_F(BatchSlipsTest, PartnersSelectedInThePartnerDialogGetASlipEach)
{
    for (int i = 1; i <= 4; ++i)
        partners.append(joinPartner(u"Stan %1"_s.arg(i), u"HR1210010051863000160"_s, QString()));
    TForm2 partnerDialog(partners, dialogs);
    QObject::connect(&partnerDialog, &TForm2::slipsForSelectedRequested, &batch,
                     [this](const QStringList &entries) { batch.slipsForPartners(entries); });
    auto *list = partnerDialog.findChild<QListWidget *>(u"ListBox1"_s);
    list->item(0)->setSelected(true);
    list->item(2)->setSelected(true);
    list->item(3)->setSelected(true);
    // Partners are payers: on an empty tab every slip would lack its recipient, which is said once.
    EXPECT_TRUE(userErrorOf([&] {
                    batch.slipsForPartners({partners.entries().value(0)});
                }).startsWith(u"HUB-3A kartica nema primatelja"_s));
    dialogs.setNextFileName(writeTable(anaAndIvo));
    EXPECT_TRUE(
        userErrorOf([&] { batch.slipsFromTableFile(); }).startsWith(u"HUB-3A kartica nema primatelja"_s));
    EXPECT_TRUE(reports.isEmpty());
    EXPECT_EQ(outputQuestions, 0);

    window->hub3a().setText(Hub3aField::RecipientName, u"Zgrada"_s);
    window->hub3a().setText(Hub3aField::RecipientIban, u"HR1210010051863000160"_s);
    window->hub3a().setText(Hub3aField::Amount, u"45,30"_s);
    const QString pdf = dir.filePath(u"stanari.pdf"_s);
    dialogs.setNextFileName(pdf);
    output = BatchOutput{false, {1, PrintMode::DataOnly}, QString()};
    QTest::mouseClick(partnerDialog.findChild<QPushButton *>(u"BitBtn5"_s), Qt::LeftButton);
    EXPECT_TRUE(reports.isEmpty());
    EXPECT_TRUE(fileBytes(pdf).startsWith("%PDF"));
    EXPECT_EQ(pdfPages(pdf), 3);
    EXPECT_EQ(dialogs.messages, QStringList{u"Spremljeno uplatnica: 3 u %1"_s.arg(pdf)});

    EXPECT_EQ(userErrorOf([&] { batch.slipsForPartners({}); }), u"Nijedan partner nije odabran"_s);
}

// A long table is read and checked while the window's events go on; "Odustani" stops the reading
// and nothing further is asked.
TEST_F(BatchSlipsTest, ATableIsReadOffTheWindowsThreadAndCancelStopsIt)
{
    constexpr int rows = underAddressSanitizer ? 20000 : 100000;
    dialogs.setNextFileName(writeTable(tenantsTable(rows, [](int i) { return i % 2 ? u"1,00"_s : u"x"_s; })));
    bool eventsWentOn = false;
    batch.whileReading = [&](BatchProgressDialog &progress) {
        QTimer::singleShot(0, &progress, [&] {
            eventsWentOn = true;
            progress.cancel();
        });
    };
    batch.slipsFromTableFile();
    EXPECT_TRUE(eventsWentOn);
    EXPECT_TRUE(reports.isEmpty());
    EXPECT_EQ(outputQuestions, 0);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(BatchSlipsTest, CancellingTheOutputChoiceWritesNothing)
{
    output.reset();
    dialogs.setNextFileName(writeTable(fullHeader + tableRow(u"Ana"_s, u"1,00"_s)));
    batch.slipsFromTableFile();
    EXPECT_EQ(outputQuestions, 1);
    EXPECT_EQ(dialogs.fileTitles, QStringList{u"Uplatnice iz tablice"_s}); // no PDF name asked
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(BatchSlipsTest, ATableGoesToTheChosenPrinterAsOneJobOfSheetsOfThree)
{
    printer.setPrinterIndex(1); // the file is current; the batch names its printer
    output = BatchOutput{true, {1, PrintMode::DataOnly}, u"Laser on LPT1:"_s};
    dialogs.setNextFileName(writeTable(tenantsTable(4, [](int) { return u"1,00"_s; })));
    printer.log.clear();
    const qsizetype bookedBefore = bookedIn(u"Laser on LPT1:"_s);
    batch.slipsFromTableFile();
    EXPECT_EQ(bookedIn(u"Laser on LPT1:"_s) - bookedBefore, 4);
    EXPECT_EQ(dialogs.fileTitles, QStringList{u"Uplatnice iz tablice"_s}); // no file asked for
    EXPECT_EQ(printer.log.first(), u"setIndex 0"_s);
    EXPECT_EQ(printer.log.filter(u"begin"_s).size(), 1);
    EXPECT_EQ(printer.pagesPrinted, 2);
    EXPECT_EQ(printer.sheet, std::optional<QSizeF>(a4SheetMm));
    EXPECT_EQ(dialogs.messages, QStringList{u"Pisač je prihvatio uplatnica: 4 od 4."_s});
    EXPECT_TRUE(offers.isEmpty());
}

TEST_F(BatchSlipsTest, RowsAPrintDidNotPrintAreOfferedAndSavedAsATableToPrintAgain)
{
    output = BatchOutput{true, {3, PrintMode::Complete}, u"Laser on LPT1:"_s};
    printer.failOnEnd = u"Poslužitelj ispisa ne odgovara."_s;
    dialogs.setNextFileName(writeTable(tenantsTable(3, [](int i) { return u"%1,00"_s.arg(i); })));
    saveUnprinted = true;
    const QString saved = dir.filePath(u"neispisani"_s); // ".csv" is added
    dialogs.setNextFileName(saved);
    batch.slipsFromTableFile();
    EXPECT_EQ(offers, QStringList{u"Poslužitelj ispisa ne odgovara.\nPisač je prihvatio uplatnica: 0 od 3.\n"
                                  u"Nisu ispisani redci: 1, 2, 3."_s});
    const Hub3aTable again = readHub3aTable(fileBytes(saved + u".csv"_s), Hub3aRecord());
    EXPECT_TRUE(again.problems.isEmpty());
    ASSERT_EQ(again.slips.size(), 3);
    EXPECT_EQ(again.slips[2].record[Hub3aField::PayerName], u"Stanar 3"_s);
    EXPECT_EQ(again.slips[2].record[Hub3aField::Amount], u"3,00"_s);
    EXPECT_EQ(again.slips[2].record[Hub3aField::RecipientReference], u"2026"_s);
    EXPECT_EQ(dialogs.messages, QStringList{u"Spremljeno naloga: 3 u %1.csv"_s.arg(saved)});
}

TEST_F(BatchSlipsTest, ASlipPrintedBeforeIsAskedAboutAndLeftOutOfABatch)
{
    const QString paid =
        u"već plaćen %1 ispisanom uplatnicom"_s.arg(QDate::currentDate().toString(u"dd.MM.yyyy."_s));
    const QString pdf = dir.filePath(u"slips.pdf"_s);
    const struct
    {
        const char *name;
        std::optional<BatchOutput> output;
        QString way;
        int cents; // each case's amounts of its own, so that one is no repeat of the other
    } cases[] = {
        {"a PDF", BatchOutput{}, pdf, 0},
        {"a printed batch", BatchOutput{true, {3, PrintMode::Complete}, u"Laser on LPT1:"_s},
         u"Laser on LPT1:"_s, 50},
    };
    dialogs.answerYes = false;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray table = tenantsTable(3, [&c](int i) { return u"%1,%2"_s.arg(i).arg(c.cents, 2, 10, QChar(u'0')); });
        // The second tenant's slip was printed on its own before.
        const Hub3aTable rows = readHub3aTable(table, Hub3aRecord());
        ASSERT_EQ(rows.slips.size(), 3);
        BookedPrints(dialogs, store, PaymentBook::defaultPath()).recordPrinted(rows.slips[1].record, u"Laser"_s);
        const int row = rows.slips[1].row;
        dialogs.questions.clear();
        reports.clear();
        output = c.output;
        const qsizetype bookedBefore = bookedIn(c.way);
        dialogs.setNextFileName(writeTable(table));
        dialogs.setNextFileName(pdf);
        batch.slipsFromTableFile();
        EXPECT_EQ(dialogs.questions,
                  QStringList{u"Mogući dvostruki nalozi (1):\nred %1: %2\nIpak ih platiti?"_s.arg(row).arg(paid)});
        EXPECT_EQ(bookedIn(c.way) - bookedBefore, 2);
        ASSERT_EQ(reports.size(), 1);
        EXPECT_FALSE(reports[0].beforeOutput);
        ASSERT_EQ(reports[0].problems.size(), 1);
        EXPECT_EQ(reports[0].problems[0].row, row);
        EXPECT_EQ(reports[0].problems[0].message, u"Mogući dvostruki nalog: "_s + paid);
    }
}

TEST(BatchOutputDialog, SaysWhatEverySlipTakesFromTheTab)
{
    const BatchOutputDialog some({}, QString(), nullptr, false, u"naziv primatelja, IBAN primatelja"_s);
    EXPECT_EQ(some.findChild<QLabel *>(u"FromTab"_s)->text(),
              u"S HUB-3A kartice uzima se: naziv primatelja, IBAN primatelja."_s);
    const BatchOutputDialog none({}, QString());
    EXPECT_EQ(none.findChild<QLabel *>(u"FromTab"_s)->text(), u"S HUB-3A kartice ne uzima se ništa."_s);
}

TEST(BatchOutputDialog, GivesTheChosenDestinationPrinterModeAndSlipsPerPage)
{
    const BatchOutputDialog noPrinter{QStringList(), QString()};
    EXPECT_FALSE(noPrinter.findChild<QRadioButton *>(u"ToPrinter"_s)->isEnabled());
    BatchOutputDialog withPrinters({u"Laser"_s, u"Inkjet"_s}, u"Inkjet"_s);
    auto *toPrinter = withPrinters.findChild<QRadioButton *>(u"ToPrinter"_s);
    auto *printers = withPrinters.findChild<QComboBox *>(u"Printer"_s);
    EXPECT_EQ(printers->currentText(), u"Inkjet"_s);
    EXPECT_FALSE(withPrinters.output().toPrinter);
    toPrinter->setChecked(true);
    printers->setCurrentIndex(0);
    EXPECT_TRUE(withPrinters.output().toPrinter);
    EXPECT_EQ(withPrinters.output().printer, u"Laser"_s);
    const struct
    {
        const char *mode, *page;
        PrintMode expectedMode;
        int perPage;
    } cases[] = {
        {"Complete", "ThreePerPage", PrintMode::Complete, 3},
        {"Template", "OnePerPage", PrintMode::Template, 1},
        {"DataOnly", "ThreePerPage", PrintMode::DataOnly, 3},
    };
    for (const auto &c : cases) {
        BatchOutputDialog dialog({u"Laser"_s}, QString());
        dialog.findChild<QRadioButton *>(QLatin1StringView(c.mode))->setChecked(true);
        dialog.findChild<QRadioButton *>(QLatin1StringView(c.page))->setChecked(true);
        EXPECT_EQ(dialog.output().pdf.mode, c.expectedMode) << c.mode;
        EXPECT_EQ(dialog.output().pdf.slipsPerPage, c.perPage) << c.page;
    }
    EXPECT_EQ(noPrinter.output().pdf.mode, PrintMode::Complete);
    EXPECT_EQ(noPrinter.output().pdf.slipsPerPage, 3);
}

TEST(BatchReportDialog, ListsTheProblemsAndSavesThemAsCsv)
{
    QTemporaryDir dir;
    FakeUserDialogs dialogs;
    const QList<RowProblem> problems{{2, u"iznos"_s, u"Iznos nije iznos"_s},
                                     {2, u"opis"_s, u"Nedopušteni znakovi: @"_s},
                                     {5, QString(), u"Redak ima 2 polja"_s}};
    for (const int valid : {0, 3}) {
        BatchReportDialog report(problems, valid, BatchReportDialog::Kind::AskBeforeOutput, dialogs);
        auto *table = report.findChild<QTableWidget *>(u"Problems"_s);
        ASSERT_EQ(table->rowCount(), 3);
        EXPECT_EQ(table->item(2, 0)->text(), u"5"_s);
        EXPECT_EQ(table->item(1, 2)->text(), u"Nedopušteni znakovi: @"_s);
        // Printing the valid ones is asked only when there are some.
        EXPECT_EQ(report.findChild<QLabel *>(u"Summary"_s)->text(),
                  valid > 0 ? u"Ispravnih naloga: 3, neispravnih: 2. Ispisati ispravne?"_s
                            : u"Ispravnih naloga: 0, neispravnih: 2. Nema ispravnih naloga za ispis."_s);
        EXPECT_EQ(report.findChild<QPushButton *>(u"PrintValid"_s)->isEnabled(), valid > 0);
    }
    BatchReportDialog report(problems, 1, BatchReportDialog::Kind::TellAfterOutput, dialogs);
    EXPECT_EQ(report.findChild<QPushButton *>(u"PrintValid"_s), nullptr);
    const QString path = dir.filePath(u"izvjestaj.csv"_s);
    dialogs.setNextFileName(path);
    QTest::mouseClick(report.findChild<QPushButton *>(u"SaveReport"_s), Qt::LeftButton);
    const CsvTable saved = CsvTable::parse(fileBytes(path));
    ASSERT_EQ(saved.rows.size(), 3);
    EXPECT_EQ(saved.rows[1].fields, (QStringList{u"2"_s, u"opis"_s, u"Nedopušteni znakovi: @"_s}));
}

// However many rows are refused, the report lists the first few hundred (it opens and closes at
// once) and counts the rest; the saved report holds them all.
TEST(BatchReportDialog, ManyProblemsShowTheFirstFewHundredAndCountTheRest)
{
    QTemporaryDir dir;
    FakeUserDialogs dialogs;
    constexpr int count = 100000;
    QList<RowProblem> problems;
    for (int row = 1; row <= count; ++row)
        problems.append({row, u"iznos"_s, u"Iznos nije iznos"_s});
    BatchReportDialog report(problems, 0, BatchReportDialog::Kind::AskBeforeOutput, dialogs);
    EXPECT_EQ(report.findChild<QTableWidget *>(u"Problems"_s)->rowCount(), BatchReportDialog::shownProblems);
    EXPECT_EQ(report.findChild<QLabel *>(u"NotShown"_s)->text(),
              u"Prikazano je prvih 500 od 100000 razloga; sve sadrži spremljeni izvještaj."_s);
    EXPECT_EQ(report.findChild<QLabel *>(u"Summary"_s)->text(),
              u"Ispravnih naloga: 0, neispravnih: 100000. Nema ispravnih naloga za ispis."_s);
    const QString path = dir.filePath(u"izvjestaj.csv"_s);
    dialogs.setNextFileName(path);
    report.saveReport();
    EXPECT_EQ(CsvTable::parse(fileBytes(path)).rows.size(), count);
}

TEST(BatchProgressDialog, SaysTheCountAndTheTimeLeftAtThePaceSoFar)
{
    const struct
    {
        int done, total;
        qint64 elapsedMs;
        QString text;
    } cases[] = {
        {0, 1000, 0, u"Gotovo 0 od 1000"_s},
        {100, 1000, 1000, u"Gotovo 100 od 1000, preostalo oko 9 s"_s},
        {999, 1000, 5000, u"Gotovo 999 od 1000, preostalo oko 1 s"_s},
        {1000, 1000, 5000, u"Gotovo 1000 od 1000, preostalo oko 0 s"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BatchProgressDialog::progressText(c.done, c.total, c.elapsedMs), c.text) << c.done;
}

TEST(BatchProgressDialog, ItsCancelButtonStopsTheBatch)
{
    BatchProgressDialog progress(10);
    const BatchHooks hooks = progress.hooks();
    hooks.progress(3, 10);
    EXPECT_EQ(progress.value(), 3);
    EXPECT_FALSE(hooks.cancelRequested());
    progress.cancel();
    EXPECT_TRUE(hooks.cancelRequested());
}

} // namespace
