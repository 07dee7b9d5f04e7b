#include "BankFixtures.h"
#include "BookFixtures.h"

#include "book/RepeatCheck.h"
#include "model/SqliteStatement.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using BankFixtures::order;
using F = Hub3aField;

BookPayment sentIn(const QString &file, const Hub3aRecord &record, BookOrigin origin = {})
{
    BookPayment payment;
    payment.record = record;
    payment.origin = std::move(origin);
    payment.way = BookWay::BankFile;
    payment.wayFile = file;
    return payment;
}

TEST(RepeatCheck, FindsTheSamePaymentWithinTheWindowOnly)
{
    const TemporaryBook dir;
    PaymentBook book(dir.path());
    const QDate today(2026, 12, 10);
    recordOn(book, sentIn(u"/b/UN.20261203.0002.xml"_s, order()), QDate(2026, 12, 3));
    recordOn(book, sentIn(u"/b/old.xml"_s, order({{F::Amount, u"20,00"_s}})), today.addDays(-60));
    const qint64 refused =
        recordOn(book, sentIn(u"/b/refused.xml"_s, order({{F::Amount, u"30,00"_s}})), today);
    {
        PaymentBook::Transaction transaction(book);
        book.changeState(transaction, refused, BookState::Refused, u"AC01"_s, QDateTime::currentDateTime());
        transaction.commit();
    }
    const BookOrigin invoice{BookSource::Invoice, dir.filePath(u"racun.pdf"_s), 2};
    recordOn(book, sentIn(u"/b/invoice.xml"_s, order({{F::Amount, u"40,00"_s}}), invoice),
             QDate(2026, 12, 9));
    const BookOrigin eInvoice{BookSource::Invoice, dir.filePath(u"racun.xml"_s), 0, u"HR12345678903|2026-17"_s};
    recordOn(book, sentIn(u"/b/e-invoice.xml"_s, order({{F::Amount, u"60,00"_s}}), eInvoice),
             QDate(2026, 12, 9));

    const struct
    {
        const char *name;
        Hub3aRecord record;
        BookOrigin origin;
        int days;
        const char16_t *found; // the file of the payment repeated, nullptr for none
    } cases[] = {
        {"the same", order(), {}, 60, u"/b/UN.20261203.0002.xml"},
        {"IBAN spaced, model typed short",
         order({{F::RecipientIban, u"HR12 1001 0051 8630 0016 0"_s}, {F::RecipientModel, u"68"_s}}),
         {},
         60,
         u"/b/UN.20261203.0002.xml"},
        {"another amount", order({{F::Amount, u"10,01"_s}}), {}, 60, nullptr},
        {"another reference", order({{F::RecipientReference, u"8214-12345678904"_s}}), {}, 60, nullptr},
        {"another recipient", order({{F::RecipientIban, u"HR7023400091510946338"_s}}), {}, 60, nullptr},
        {"outside a shorter window", order(), {}, 7, nullptr},
        {"the window's first day", order({{F::Amount, u"20,00"_s}}), {}, 61, u"/b/old.xml"},
        {"a day before the window", order({{F::Amount, u"20,00"_s}}), {}, 60, nullptr},
        {"refused by the bank", order({{F::Amount, u"30,00"_s}}), {}, 60, nullptr},
        {"the same invoice page, another amount", order({{F::Amount, u"41,00"_s}}), invoice, 60,
         u"/b/invoice.xml"},
        {"another page",
         order({{F::Amount, u"41,00"_s}}),
         {BookSource::Invoice, invoice.file, 3},
         60,
         nullptr},
        {"the same e-invoice in another file",
         order({{F::Amount, u"61,00"_s}}),
         {BookSource::Invoice, dir.filePath(u"hibrid.pdf"_s), 0, eInvoice.invoice},
         60,
         u"/b/e-invoice.xml"},
        {"another e-invoice of the seller in the same file",
         order({{F::Amount, u"61,00"_s}}),
         {BookSource::Invoice, eInvoice.file, 0, u"HR12345678903|2026-18"_s},
         60,
         nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<BookRepeat> repeat = RepeatCheck(book, today, c.days).find(c.record, c.origin);
        ASSERT_EQ(repeat.has_value(), c.found != nullptr);
        if (repeat) {
            EXPECT_EQ(repeat->wayFile, QString::fromUtf16(c.found));
        }
    }
    const std::optional<BookRepeat> repeat = RepeatCheck(book, today).find(order());
    ASSERT_TRUE(repeat);
    EXPECT_EQ(repeatQuestion(*repeat),
              u"Ovaj nalog je već plaćen 03.12.2026. u datoteci UN.20261203.0002.xml. Ipak platiti?"_s);
    BookPayment printed = sentIn(QString(), order({{F::Amount, u"50,00"_s}}));
    printed.way = BookWay::Printed;
    recordOn(book, printed, today);
    EXPECT_EQ(repeatQuestion(*RepeatCheck(book, today).find(printed.record)),
              u"Ovaj nalog je već plaćen 10.12.2026. ispisanom uplatnicom. Ipak platiti?"_s);
}

TEST(RepeatCheck, LooksUpThroughAnIndexWhateverTheBooksSize)
{
    // The plan of the look-up, not its time: both keys are searched through their indexes.
    const TemporaryBook dir;
    PaymentBook book(dir.path());
    SqliteStatement plan(
        book.database(),
        "EXPLAIN QUERY PLAN SELECT id FROM payment WHERE repeat_key = 'x' AND left_at >= 'y' "
        "UNION SELECT id FROM payment WHERE source_key = 'x' AND left_at >= 'y'");
    QStringList steps;
    while (plan.step() == SqliteStatement::Step::Row)
        steps.append(plan.columnText(3));
    const QString plainly = steps.join(u'\n');
    EXPECT_TRUE(plainly.contains(u"INDEX payment_repeat (repeat_key=?"_s)) << plainly.toStdString();
    EXPECT_TRUE(plainly.contains(u"INDEX payment_source (source_key=?"_s)) << plainly.toStdString();
    EXPECT_FALSE(plainly.contains(u"SCAN payment"_s)) << plainly.toStdString();
}

} // namespace
