#include "app/BankFiles.h"
#include "BankAnswers.h"
#include "FakePrinter.h"
#include "Hub3aRecordOf.h"
#include "UserErrorOf.h"
#include "WindowFixture.h"
#include "app/BankAnswerDialog.h"
#include "app/BatchProgressDialog.h"
#include "app/BatchReportDialog.h"
#include "app/BatchSlips.h"
#include "app/BookedPrints.h"
#include "app/Hub3aTab.h"
#include "book/BookedBankFile.h"
#include "book/PaymentBook.h"
#include "model/Hub3aRules.h"

#include <QPushButton>
#include <QTableWidget>

namespace {

using namespace Qt::StringLiterals;
using F = Hub3aField;

Hub3aRecord tabOrder()
{
    return hub3aRecordOf({{F::PayerName, u"Ivana Horvat"_s},
                          {F::PayerStreet, u"Ilica 1"_s},
                          {F::PayerPlace, u"10000 Zagreb"_s},
                          {F::PayerIban, u"HR7023400091510946338"_s},
                          {F::RecipientName, u"Udruga Šapica"_s},
                          {F::RecipientIban, u"HR1210010051863000160"_s},
                          {F::RecipientModel, u"HR00"_s},
                          {F::RecipientReference, u"2026"_s},
                          {F::Description, u"Članarina"_s},
                          {F::Amount, u"12,50"_s}});
}

class BankFilesTest : public WindowFixture
{
protected:
    BankFilesTest()
        : bank(*window, *window, dialogs, store, clock), batch(*window, *window, dialogs, printer, store)
    {
        clock.time = QDateTime(QDate(2026, 12, 8), QTime(9, 0));
        bank.showRefused = [this](const QList<RowProblem> &problems, int written) {
            refusedShown.append({problems, written});
        };
        bank.showAnswer = [this](const Pain002::Report &report, const BookedAnswer &booked) {
            answers.append(report);
            bookedAnswers.append(booked);
            return answerChoice;
        };
        bank.fixRefused = [this](const QString &summary, const QList<Hub3aRecord> &orders) {
            resendSummaries.append(summary);
            return std::optional<QList<Hub3aRecord>>(orders);
        };
        window->addFileMenuEntry(bank.answerEntry());
        window->addFileMenuEntry(bank.ordersEntry());
        batch.saveBankFile = [this](const QList<NumberedSlip> &slips, const QList<RowProblem> &refused) {
            saved = slips;
            refusedBefore = refused;
        };
    }

    BankFiles bank;
    FakePrinter printer;
    BatchSlips batch;
    QList<NumberedSlip> saved; // the orders the batch handed to the bank file, and the rows it refused
    QList<RowProblem> refusedBefore;
    QList<std::pair<QList<RowProblem>, int>> refusedShown;
    QList<Pain002::Report> answers;
    QList<BookedAnswer> bookedAnswers;
    BankFiles::AnswerChoice answerChoice = BankFiles::AnswerChoice::SaveTable;
    QStringList resendSummaries;
};

// Rows 2 and 3 of a table, and the urgent rows 4 and 5 (paying 2,00 + cents .. 5,00 + cents), on
// the execution date given.
QList<NumberedSlip> fourOrders(const QString &date, int cents = 0)
{
    QList<NumberedSlip> rows;
    for (int row = 2; row <= 5; ++row) {
        Hub3aRecord order = tabOrder();
        order.set(F::Amount, hub3aAmountText(row * 100 + cents));
        order.set(F::PurposeCode, row == 4 ? u"SALA"_s : u"OTHR"_s);
        order.set(F::ExecutionDate, date);
        if (row >= 4)
            order.set(F::Urgent, u"1"_s);
        rows.append({row, order});
    }
    return rows;
}

// The rows as a bank file recorded in the book, written at file; gives its message id.
QString bookedFile(const QList<NumberedSlip> &rows, const QString &file, const Clock &clock,
                   bool instant = false)
{
    PaymentBook book(PaymentBook::defaultPath());
    return saveBookedBankFile(book, file, BankOrders(rows),
                              Pain001::optionsNow(clock, Pain001::Schema::Croatian, instant),
                              {BookSource::Table, u"placanja.csv"_s, 0})
        .messageId;
}

// The orders of the last bank file the book holds.
QList<BookEntry> lastFile()
{
    const PaymentBook book(PaymentBook::defaultPath());
    const QList<BookEntry> entries = book.entries();
    return entries.isEmpty() ? entries : book.entriesOfMessage(entries.last().payment.messageId);
}

TEST_F(BankFilesTest, TheMenuHasBothEntries)
{
    QStringList entries;
    for (const QAction *action : child<QMenu>("Datoteka1")->actions())
        entries.append(action->text());
    EXPECT_TRUE(entries.contains(u"Nalozi za &banku (pain.001)..."_s));
    EXPECT_TRUE(entries.contains(u"Odgovor ban&ke (pain.002)..."_s));
}

TEST_F(BankFilesTest, TheTabsOrderGoesToABankFile)
{
    window->hub3a().setRecord(tabOrder());
    const QString path = dir.filePath(u"nalog"_s);
    dialogs.setNextFileName(path);
    trigger("BankOrders");
    EXPECT_EQ(dialogs.fileTitles, QStringList{u"Spremi nalog za banku (UN.20261208.0001.xml)"_s});
    EXPECT_EQ(dialogs.suggestedNames, QStringList{u"UN.20261208.0001.xml"_s}) << "the name is filled in";
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
    const QByteArray xml = fileBytes(path + u".xml"_s);
    EXPECT_TRUE(xml.contains("<MsgId>UN202612080001</MsgId>"));
    EXPECT_TRUE(xml.contains("<InstdAmt Ccy=\"EUR\">12.50</InstdAmt>"));
    EXPECT_EQ(
        dialogs.messages.value(0),
        u"Spremljeno naloga za banku: 1, ukupno 12,50 EUR, u %1.xml (oznaka UN202612080001)"_s.arg(path));
}

TEST_F(BankFilesTest, AMissingPayerIbanIsSaidPlainly)
{
    Hub3aRecord order = tabOrder();
    order.set(F::PayerIban, QString());
    window->hub3a().setRecord(order);
    EXPECT_EQ(
        userErrorOf([&] { trigger("BankOrders"); }),
        u"Nalog za banku treba IBAN platitelja: upišite ga na HUB-3A kartici ili u stupac iban_platitelja "
        "tablice"_s);
    EXPECT_TRUE(dialogs.fileTitles.isEmpty());
}

TEST_F(BankFilesTest, RefusedOrdersAreReportedWhileTheRestAreWritten)
{
    Hub3aRecord bad = tabOrder();
    bad.set(F::Description, u"-Članarina"_s);
    const QString path = dir.filePath(u"orders.xml"_s);
    dialogs.setNextFileName(path);
    bank.saveOrders({{1, tabOrder()}, {2, bad}, {3, tabOrder()}});
    ASSERT_EQ(refusedShown.size(), 1);
    EXPECT_EQ(refusedShown[0].second, 2);
    EXPECT_EQ(refusedShown[0].first,
              (QList<RowProblem>{{2, u"opis"_s, u"Opis plaćanja: ne smije počinjati znakom '-'"_s}}));
    EXPECT_EQ(fileBytes(path).count("<CdtTrfTxInf>"), 2);
}

TEST_F(BankFilesTest, TheBatchReportOffersABankFile)
{
    bool offered = false;
    batch.showReport = [&](const QList<RowProblem> &problems, int valid, bool beforeOutput) {
        BatchReportDialog report(problems, valid, BatchReportDialog::Kind::AskBeforeOutput, dialogs,
                                 window.get(), static_cast<bool>(batch.saveBankFile));
        auto *button = report.findChild<QPushButton *>(u"SaveBankFile"_s);
        offered = button != nullptr && beforeOutput;
        if (!button)
            return 0;
        QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
        return report.exec();
    };
    window->hub3a().setRecord(tabOrder());
    // A recipient the table names takes no field from the tab: the table gives the account too.
    dialogs.setNextFileName(writeFile(path("named.csv"), "primatelj_naziv;iznos\nAna;1,00\n"));
    EXPECT_EQ(userErrorOf([&] { batch.slipsFromTableFile(); }),
              u"Tablica navodi primatelja, pa se on ne uzima s HUB-3A kartice; tablici nedostaje stupac "
              "iban_primatelja"_s);
    dialogs.setNextFileName(writeFile(path("rows.csv"), "primatelj_naziv;iban_primatelja;iznos\n"
                                                        "Ana;HR1210010051863000160;1,00\n"
                                                        "Ivo;HR1210010051863000160;x\n"));
    batch.slipsFromTableFile();
    EXPECT_TRUE(offered);
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0].record[F::RecipientName], u"Ana"_s);
    EXPECT_EQ(saved[0].record[F::PayerIban], u"HR7023400091510946338"_s); // from the tab
}

// For selected partners the partners are the recipients, paid by the HUB-3A tab's payer.
TEST_F(BankFilesTest, SelectedPartnersArePaidFromTheTab)
{
    batch.showReport = [](const QList<RowProblem> &, int, bool) {
        return int(BatchReportDialog::SaveBankFile);
    };
    batch.askOutput = [] { return std::optional<BatchOutput>(BatchOutput{false, {}, QString(), true}); };
    window->hub3a().setRecord(tabOrder());
    const QChar separator(8);
    batch.slipsForPartners(
        {u"Marko Marić"_s + separator + u"HR1210010051863000160"_s + separator + u"HR00 77"_s,
         u"Ana Anić"_s + separator + u"1234"_s + separator});
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0].record[F::RecipientName], u"Marko Marić"_s);
    EXPECT_EQ(saved[0].record[F::RecipientReference], u"77"_s);
    EXPECT_EQ(saved[0].record[F::PayerName], u"Ivana Horvat"_s);
    EXPECT_EQ(saved[0].record[F::PayerIban], u"HR7023400091510946338"_s);
    ASSERT_EQ(refusedBefore.size(), 1);
    EXPECT_EQ(refusedBefore[0].row, 2);
    EXPECT_EQ(refusedBefore[0].rowName, u"Ana Anić"_s);
}

TEST_F(BankFilesTest, TheBanksAnswerShowsTheRefusedOrdersAndSavesThemAsATable)
{
    dialogs.setNextFileName(testDataPath("bankfile/pain002-refused.xml"));
    const QString table = dir.filePath(u"again"_s);
    dialogs.setNextFileName(table);
    trigger("BankAnswer");
    ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
    ASSERT_EQ(answers.size(), 1);
    EXPECT_EQ(answers[0].refused.size(), 3);
    // The list shows amounts as the clerk writes them.
    QStringList amounts;
    for (const Pain002::RefusedOrder &refused : answers[0].refused)
        amounts.append(refusedOrderCells(refused).value(1));
    EXPECT_FALSE(bookedAnswers[0].known);
    EXPECT_EQ(amounts, (QStringList{u"1.234,56"_s, u"10,00"_s, QString()}));
    const QByteArray csv = fileBytes(table + u".csv"_s);
    EXPECT_EQ(csv.count('\n'), 3);
    EXPECT_TRUE(csv.contains("Udruga Šapica")) << csv.toStdString();
    EXPECT_EQ(dialogs.messages, QStringList{u"Spremljeno odbijenih naloga: 2 u %1.csv"_s.arg(table)});
}

// "Otvori u kartici" takes one refused order to the HUB-3A tab and closes the list; a group refused
// as a whole has no slip to open, and a slip the clerk keeps in the tab leaves the list open.
TEST_F(BankFilesTest, TheAnswersListOpensOneRefusedOrderInTheTab)
{
    const std::optional<Pain002::Report> report =
        Pain002::readFile(testDataPath("bankfile/pain002-refused.xml"));
    ASSERT_TRUE(report);
    ASSERT_EQ(report->refused.size(), 3);
    const struct
    {
        int row;
        bool offered, taken;    // the button enabled; the tab takes the slip
        const char16_t *opened; // the order given to the tab, or empty
    } cases[] = {
        {2, false, false, u""},
        {1, true, false, u"UN202612080001-3"},
        {0, true, true, u"UN202612080001-2"},
    };
    for (const auto &c : cases) {
        QString opened;
        BankAnswerDialog list(
            *report, BookedAnswer{},
            [&](const Pain002::RefusedOrder &refused) {
                opened = refused.instrId;
                return c.taken;
            },
            window.get());
        list.show();
        auto *open = list.findChild<QPushButton *>(u"OpenInTab"_s);
        EXPECT_FALSE(open->isEnabled()) << "no row chosen";
        list.findChild<QTableWidget *>(u"Refused"_s)->selectRow(c.row);
        EXPECT_EQ(open->isEnabled(), c.offered) << c.row;
        open->click();
        EXPECT_EQ(opened, QString::fromUtf16(c.opened)) << c.row;
        EXPECT_EQ(list.isVisible(), !c.taken) << c.row;
    }
}

TEST_F(BankFilesTest, AnAnswerWithoutRefusalsOrNoAnswerAtAll)
{
    dialogs.setNextFileName(testDataPath("bankfile/pain002-accepted.xml"));
    trigger("BankAnswer");
    EXPECT_EQ(dialogs.messages,
              QStringList{u"Banka nije odbila nijedan nalog datoteke UN202612080001. Datoteka "
                          "nije u knjizi plaćanja."_s});
    dialogs.setNextFileName(testDataPath("hub3a/full.txt"));
    const QString error = userErrorOf([&] { trigger("BankAnswer"); });
    EXPECT_TRUE(error.startsWith(u"full.txt: Datoteka nije izvješće banke pain.002"_s))
        << error.toStdString();
    EXPECT_TRUE(answers.isEmpty());
}

TEST_F(BankFilesTest, TheAnswerIsReadBehindAProgressDialogThatCancelsIt)
{
    bool shown = false;
    bank.whileReading = [&](BatchProgressDialog &progress) {
        shown = progress.isVisible();
        progress.cancel();
    };
    dialogs.setNextFileName(testDataPath("bankfile/pain002-refused.xml"));
    trigger("BankAnswer");
    EXPECT_TRUE(shown);
    EXPECT_TRUE(answers.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
}

TEST_F(BankFilesTest, AnAnswerBeyondTheReadersBoundsIsRefusedByName)
{
    QByteArray attributes;
    for (int i = 0; i < 300'000; ++i)
        attributes += " a" + QByteArray::number(i) + "=\"\"";
    const QString path = dir.filePath(u"answer.xml"_s);
    ASSERT_TRUE(writeFileBytes(path, "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:pain.002.001.10\">"
                                     "<CstmrPmtStsRpt><GrpHdr" + attributes + "/></CstmrPmtStsRpt></Document>"));
    dialogs.setNextFileName(path);
    EXPECT_EQ(userErrorOf([&] { trigger("BankAnswer"); }),
              u"answer.xml: Datoteka nije izvješće banke pain.002: element ima više od 64 atributa"_s);
    EXPECT_TRUE(answers.isEmpty());
}

TEST_F(BankFilesTest, AGroupRefusalSendsOnlyThatGroupAgainAsItWasSent)
{
    answerChoice = BankFiles::AnswerChoice::Resend;
    for (const bool instant : {false, true}) {
        SCOPED_TRACE(instant);
        bookedAnswers.clear();
        answers.clear();
        dialogs.questions.clear();
        const QList<NumberedSlip> rows = fourOrders(u"08122026"_s, instant ? 1 : 0);
        const QString messageId =
            bookedFile(rows, dir.filePath(u"orders-%1.xml"_s.arg(instant)), clock, instant);
        dialogs.setNextFileName(writeFile(
            path("answer.xml"), BankAnswers::answer(messageId, {}, {{messageId + u"-G2"_s, QString()}})));
        const QString again = dir.filePath(u"again-%1.xml"_s.arg(instant));
        dialogs.setNextFileName(again);
        trigger("BankAnswer");
        ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
        ASSERT_EQ(bookedAnswers.size(), 1);
        EXPECT_TRUE(QFile::exists(again));
        EXPECT_TRUE(dialogs.questions.isEmpty()) << dialogs.questions.join(u'\n').toStdString();
        // Only the urgent group goes again, every field as it was sent, in a file of a new id.
        const QList<BookEntry> sentAgain = lastFile();
        ASSERT_EQ(sentAgain.size(), 2);
        const QString newId = sentAgain[0].payment.messageId;
        EXPECT_NE(newId, messageId);
        for (int i = 0; i < 2; ++i) {
            const NumberedSlip &sent = rows[i + 2];
            EXPECT_EQ(sentAgain[i].payment.record.texts, sent.record.texts);
            EXPECT_EQ(sentAgain[i].payment.instant, instant);
            EXPECT_EQ(sentAgain[i].payment.instructionId, u"%1-%2"_s.arg(newId).arg(sent.row));
        }
        // The same refused orders asked for again are the ones just sent: the clerk is asked, and
        // nothing goes when the answer is no.
        dialogs.answerYes = false;
        QList<qint64> ids;
        for (const RefusedPayment &refused : bookedAnswers[0].refused)
            ids.append(refused.entry.id);
        bank.resendRefused(ids);
        EXPECT_EQ(dialogs.questions.size(), 1);
        EXPECT_TRUE(dialogs.questions.value(0).startsWith(u"Mogući dvostruki nalozi (2)"_s));
        EXPECT_EQ(lastFile()[0].payment.messageId, newId);
        dialogs.answerYes = true;
    }
}

TEST_F(BankFilesTest, ADayOldAnswerMovesPastDatesWhenTheClerkAgrees)
{
    answerChoice = BankFiles::AnswerChoice::Resend;
    const struct
    {
        bool agree;
        QString date; // of the orders sent again; empty: none sent
    } cases[] = {{true, u"09122026"_s}, {false, QString()}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.agree);
        clock.time = QDateTime(QDate(2026, 12, 8), QTime(9, 0));
        const QList<NumberedSlip> rows = fourOrders(u"08122026"_s, c.agree ? 10 : 20);
        const QString messageId = bookedFile(rows, dir.filePath(u"orders-%1.xml"_s.arg(c.agree)), clock);
        // The answer comes the day after.
        clock.time = QDateTime(QDate(2026, 12, 9), QTime(9, 0));
        dialogs.questions.clear();
        dialogs.answerYes = c.agree;
        dialogs.setNextFileName(
            writeFile(path("answer.xml"),
                      BankAnswers::answer(messageId, {}, {{messageId + u"-G1"_s, messageId + u"-3"_s}})));
        dialogs.setNextFileName(dir.filePath(u"again-%1.xml"_s.arg(c.agree)));
        trigger("BankAnswer");
        ASSERT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
        EXPECT_EQ(
            dialogs.questions,
            QStringList{
                u"Datum izvršenja je prošao za naloga: 1. Pomaknuti ga na prvi radni dan, 09.12.2026.?"_s});
        const QList<BookEntry> last = lastFile();
        ASSERT_EQ(last.size(), c.date.isEmpty() ? 4 : 1);
        if (!c.date.isEmpty()) {
            Hub3aRecord moved = rows[1].record;
            moved.set(F::ExecutionDate, c.date);
            EXPECT_EQ(last[0].payment.record.texts, moved.texts);
        } else {
            EXPECT_EQ(last[0].payment.messageId, messageId);
        }
    }
}

TEST_F(BankFilesTest, ASlipPrintedThenPutInABankFileIsAskedAbout)
{
    BookedPrints(dialogs, store, PaymentBook::defaultPath()).recordPrinted(tabOrder(), u"Laser"_s);
    dialogs.answerYes = false;
    bank.saveOrders({{1, tabOrder()}});
    EXPECT_EQ(dialogs.questions,
              QStringList{u"Ovaj nalog je već plaćen %1 ispisanom uplatnicom. Ipak platiti?"_s.arg(
                  QDate::currentDate().toString(u"dd.MM.yyyy."_s))});
    EXPECT_TRUE(dialogs.fileTitles.isEmpty()); // no bank file asked for
}

} // namespace
