#include "app/PaymentBookView.h"
#include "Hub3aRecordOf.h"
#include "WindowFixture.h"
#include "app/Hub3aTab.h"
#include "app/PaymentBookDialog.h"
#include "batch/Hub3aTable.h"
#include "book/BookTableModel.h"
#include "book/PaymentBook.h"
#include "model/CsvTable.h"

#include <QTableView>

namespace {

using namespace Qt::StringLiterals;
using F = Hub3aField;

// A book of three payments (a refused one in the middle) and its window on the main window, with
// the view's own actions and the ids "Pošalji ponovno" hands on.
class PaymentBookViewTest : public WindowFixture
{
protected:
    PaymentBookViewTest() : view(*window, dialogs, dir.filePath(u"payments.db"_s)), book(view.bookPath())
    {
        const QString amounts[] = {u"10,00"_s, u"1.234,56"_s, u"7,50"_s};
        PaymentBook::Transaction transaction(book);
        for (const QString &amount : amounts) {
            const auto number = ids.size() + 1;
            BookPayment payment;
            payment.record = fullHub3aRecord();
            payment.record.set(F::Amount, amount);
            payment.record.set(F::RecipientReference, u"2026-%1"_s.arg(number));
            payment.way = BookWay::BankFile;
            payment.wayFile = u"/b/UN.20261208.0001.xml"_s;
            payment.messageId = u"UN202612080001"_s;
            ids.append(book.record(transaction, payment, QDateTime(QDate(2026, 12, 8), QTime(9, 0)),
                                   BookState::Sent));
            records.append(payment.record);
        }
        book.changeState(transaction, ids[1], BookState::Refused, u"AC01 Neispravan IBAN"_s,
                         QDateTime(QDate(2026, 12, 9), QTime(8, 0)));
        transaction.commit();
    }

    std::unique_ptr<PaymentBookDialog> openDialog(bool withResend = true)
    {
        PaymentBookActions actions{
            .openInTab = [this](const BookEntry &entry) { return view.openInTab(entry); },
            .resend = {},
            .saveTable = [this](const BookFilter &filter) { view.saveTable(book, filter); },
        };
        if (withResend)
            actions.resend = [this](const QList<qint64> &chosen) { resent.append(chosen); };
        return std::make_unique<PaymentBookDialog>(book, std::move(actions), window.get());
    }
    template <typename T> static T *in(const QWidget &dialog, const char *name)
    {
        T *found = dialog.findChild<T *>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void clickIn(const QWidget &dialog, const char *button)
    {
        QTest::mouseClick(in<QPushButton>(dialog, button), Qt::LeftButton);
    }

    PaymentBookView view;
    PaymentBook book;
    QList<qint64> ids;
    QList<Hub3aRecord> records;
    QList<QList<qint64>> resent;
};

TEST_F(PaymentBookViewTest, OpenInTabFillsTheTabAndAsksBeforeReplacingASlip)
{
    const auto dialog = openDialog();
    in<QTableView>(*dialog, "BookTable")->selectRow(2); // newest first: the oldest payment
    clickIn(*dialog, "BookOpenInTab");
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_EQ(window->hub3a().record().texts, records[0].texts);

    const auto again = openDialog();
    in<QTableView>(*again, "BookTable")->selectRow(0);
    dialogs.answerYes = false;
    clickIn(*again, "BookOpenInTab");
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(window->hub3a().record().texts, records[0].texts);
    EXPECT_EQ(again->result(), QDialog::Rejected) << "the book stays open when the tab keeps its slip";
    dialogs.answerYes = true;
    clickIn(*again, "BookOpenInTab");
    EXPECT_EQ(window->hub3a().record().texts, records[2].texts);
    EXPECT_EQ(again->result(), QDialog::Accepted);
}

TEST_F(PaymentBookViewTest, ResendHandsOnOnlyTheRefusedRowsChosen)
{
    const auto dialog = openDialog();
    auto *resend = in<QPushButton>(*dialog, "BookResend");
    auto *table = in<QTableView>(*dialog, "BookTable");
    table->selectRow(0);
    EXPECT_FALSE(resend->isEnabled());
    table->selectAll();
    ASSERT_TRUE(resend->isEnabled());
    clickIn(*dialog, "BookResend");
    EXPECT_EQ(resent, QList<QList<qint64>>{{ids[1]}});

    const auto without = openDialog(false);
    EXPECT_FALSE(in<QPushButton>(*without, "BookResend")->isVisibleTo(without.get()));
}

TEST_F(PaymentBookViewTest, SavedTableHoldsWhatTheFilterShowsAsSlipsWithTheirStates)
{
    const auto dialog = openDialog();
    EXPECT_EQ(in<QLabel>(*dialog, "BookTotals")->text(), u"Ukupno naloga: 3, iznos 1.252,06 EUR"_s);
    auto *state = in<QComboBox>(*dialog, "BookState");
    state->setCurrentIndex(state->findText(u"odbijen"_s));
    QTRY_COMPARE(dialog->model().rowCount(), 1);
    EXPECT_EQ(in<QLabel>(*dialog, "BookTotals")->text(), u"Ukupno naloga: 1, iznos 1.234,56 EUR"_s);

    const QString path = dir.filePath(u"odbijeni.csv"_s);
    dialogs.setNextFileName(path);
    clickIn(*dialog, "BookSaveTable");
    const CsvTable table = CsvTable::parse(fileBytes(path));
    ASSERT_EQ(table.rows.size(), 1);
    const auto cell = [&](const QString &column) {
        return table.rows[0].fields.value(table.header.indexOf(column));
    };
    for (const auto &field : hub3aFields())
        EXPECT_EQ(cell(hub3aColumn(field.field)), records[1][field.field]) << field.key;
    EXPECT_EQ(cell(u"stanje"_s), u"refused"_s);
    EXPECT_EQ(cell(u"razlog"_s), u"AC01 Neispravan IBAN"_s);
    EXPECT_EQ(dialogs.messages.value(0), u"Spremljeno naloga: 1 u "_s + path);
}

} // namespace
