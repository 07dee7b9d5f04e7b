#include "BookFixtures.h"
#include "StatementXml.h"

#include "model/Hub3aDate.h"
#include "statements/StatementMatch.h"

#include <QMap>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using BankStatement::Outcome;
using F = Hub3aField;

namespace {

const QString clerk = u"HR1210010051863000160"_s;

BookPayment payment(const QString &recipientIban, const QString &amount, const QString &model,
                    const QString &reference, BookWay way = BookWay::BankFile)
{
    BookPayment p;
    p.record.set(F::PayerName, u"Ana Kovač"_s);
    p.record.set(F::RecipientName, u"Primatelj"_s);
    p.record.set(F::RecipientIban, recipientIban);
    p.record.set(F::RecipientModel, model);
    p.record.set(F::RecipientReference, reference);
    p.record.set(F::Amount, amount);
    p.record.set(F::ExecutionDate, hub3aDateText(QDate(2026, 12, 9)));
    p.way = way;
    return p;
}

// The book every case starts from, each payment by name: a bank file's group of three (G1), an
// order alone in another file (O4), a slip the clerk paid at the counter (S1) and two slips the
// clerk gave to others to pay into the clerk's account (S2, S3).
QMap<QString, qint64> fillBook(PaymentBook &book)
{
    QMap<QString, qint64> ids;
    const QString amounts[] = {u"100,00"_s, u"200,00"_s, u"50,00"_s};
    for (int i = 0; i < 3; ++i) {
        BookPayment order = payment(u"HR2923600001101234565"_s, amounts[i], u"HR00"_s, u"7-%1"_s.arg(i));
        order.paymentInfoId = u"UN202612090001-G1"_s;
        order.instructionId = u"UN202612090001-%1"_s.arg(i + 1);
        order.endToEndId = u"HR99"_s;
        ids[u"O%1"_s.arg(i + 1)] = recordOn(book, order, QDate(2026, 12, 9), BookState::Sent);
    }
    BookPayment alone = payment(u"HR2923600001101234565"_s, u"75,00"_s, u"HR00"_s, u"8"_s);
    alone.paymentInfoId = u"UN202612090002-G1"_s;
    alone.instructionId = u"UN202612090002-1"_s;
    alone.endToEndId = u"HR0077-1"_s;
    ids[u"O4"_s] = recordOn(book, alone, QDate(2026, 12, 9), BookState::Sent);
    ids[u"S1"_s] = recordOn(book, payment(u"HR6623400093215678901"_s, u"40,00"_s, u"HR01"_s, u"12-34"_s,
                                          BookWay::Printed),
                            QDate(2026, 12, 9), BookState::Sent);
    BookPayment ivo = payment(clerk, u"20,00"_s, u"HR01"_s, u"555-2"_s, BookWay::Pdf);
    ivo.record.set(F::PayerName, u"Ivo Ivić"_s);
    ids[u"S2"_s] = recordOn(book, payment(clerk, u"10,50"_s, u"HR01"_s, u"555-1"_s, BookWay::Printed),
                            QDate(2026, 12, 1), BookState::Sent);
    ids[u"S3"_s] = recordOn(book, ivo, QDate(2026, 12, 1), BookState::Prepared);
    return ids;
}

TestTransaction order(const QString &instrId, const QString &endToEndId, const QString &amount)
{
    TestTransaction t;
    t.instrId = instrId;
    t.endToEndId = endToEndId;
    t.amount = amount;
    return t;
}

TestEntry debit(const QString &amount, QList<TestTransaction> transactions = {})
{
    TestEntry entry{amount};
    entry.transactions = std::move(transactions);
    return entry;
}

TestEntry credit(const QString &amount, const QString &payer, const QString &reference)
{
    TestTransaction t;
    t.debtorName = payer;
    t.reference = reference;
    TestEntry entry{amount, true};
    entry.transactions = {t};
    return entry;
}

TestEntry batch(int count)
{
    TestEntry entry{u"350.00"_s};
    entry.batchPaymentInfoId = u"UN202612090001-G1"_s;
    entry.batchCount = count;
    return entry;
}

TestEntry withDate(TestEntry entry, const QString &day)
{
    entry.bookingDate = day;
    return entry;
}

TestEntry reversed(TestEntry entry)
{
    entry.reversal = true;
    entry.credit = true;
    return entry;
}

TestEntry pending(TestEntry entry)
{
    entry.status = u"PDNG"_s;
    return entry;
}

TestTransaction byReference()
{
    TestTransaction t;
    t.creditorIban = u"HR66 2340 0093 2156 7890 1"_s;
    t.unstructured = u"Racun 7, poziv na broj HR01 12-34"_s;
    return t;
}

TEST(StatementMatch, ClosesEachKindOfEntry)
{
    const TestEntry batchWithDetails = [] {
        TestEntry entry = batch(3);
        entry.transactions = {order(u"UN202612090001-1"_s, u"HR99"_s, u"100.00"_s),
                              order(u"UN202612090001-2"_s, u"HR99"_s, u"200.00"_s),
                              order(u"UN202612090001-3"_s, u"HR99"_s, u"50.00"_s)};
        return entry;
    }();
    const TestEntry onlyEndToEnd = debit(u"75.00"_s, {order({}, u"HR0077-1"_s, {})});
    const struct
    {
        const char *name;
        QList<TestEntry> entries;
        int version;
        QList<Outcome> outcomes;
        QMap<QString, BookState> states; // the payments that change, and to what
        QString reason;                  // of the last one changed
    } cases[] = {
        {"batch without details", {batch(3)}, 2, {Outcome::Booked},
         {{u"O1"_s, BookState::Booked}, {u"O2"_s, BookState::Booked}, {u"O3"_s, BookState::Booked}},
         u"proknjiženo 10.12.2026."_s},
        {"batch with details", {batchWithDetails}, 8, {Outcome::Booked},
         {{u"O1"_s, BookState::Booked}, {u"O2"_s, BookState::Booked}, {u"O3"_s, BookState::Booked}}, {}},
        {"batch counted wrong", {batch(2)}, 2, {Outcome::NotFound}, {}, {}},
        {"only an EndToEndId", {onlyEndToEnd}, 2, {Outcome::Booked}, {{u"O4"_s, BookState::Booked}}, {}},
        {"only a remittance reference", {debit(u"40.00"_s, {byReference()})}, 2, {Outcome::Booked},
         {{u"S1"_s, BookState::Booked}}, {}},
        {"reference far from the execution date", {withDate(debit(u"40.00"_s, {byReference()}), u"2026-12-30"_s)},
         2, {Outcome::NotFound}, {}, {}},
        {"booked then reversed", {onlyEndToEnd, reversed(withDate(onlyEndToEnd, u"2026-12-11"_s))}, 2,
         {Outcome::Booked, Outcome::Reversed}, {{u"O4"_s, BookState::Refused}}, u"vraćeno 11.12.2026."_s},
        {"a fee", {debit(u"2.65"_s)}, 2, {Outcome::NotFound}, {}, {}},
        {"a credit paying a slip by its reference", {credit(u"10.50"_s, u"ANA KOVAC"_s, u"HR01 555-1"_s)}, 2,
         {Outcome::Received}, {{u"S2"_s, BookState::Received}}, u"naplaćeno 10.12.2026., ANA KOVAC"_s},
        {"a credit paying a slip by amount and payer", {credit(u"20.00"_s, u"IVO IVIC"_s, {})}, 8,
         {Outcome::Received}, {{u"S3"_s, BookState::Received}}, {}},
        {"a credit from the wrong payer", {credit(u"20.00"_s, u"Marko Marić"_s, {})}, 8, {Outcome::NotFound}, {}, {}},
        {"a pending entry", {pending(onlyEndToEnd)}, 8, {Outcome::Pending}, {}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TemporaryBook temporary;
        PaymentBook book(temporary.path());
        const QMap<QString, qint64> ids = fillBook(book);
        const BankStatement::Reconciliation result =
            BankStatement::reconcile(book, BankStatement::read(statementXml(c.entries, c.version)), u"a.xml"_s);
        QList<Outcome> outcomes;
        for (const BankStatement::EntryOutcome &entry : result.entries)
            outcomes.append(entry.outcome);
        EXPECT_EQ(outcomes, c.outcomes);
        for (const BookEntry &entry : book.entries()) {
            const QString name = ids.key(entry.id);
            const BookState before = name == u"S3"_s ? BookState::Prepared : BookState::Sent;
            EXPECT_EQ(entry.state, c.states.value(name, before)) << name.toStdString();
            if (!c.reason.isEmpty() && c.states.contains(name)) {
                EXPECT_EQ(entry.reason, c.reason) << name.toStdString();
            }
        }
    }
}

TEST(StatementMatch, TakesAnEntryOnlyOnce)
{
    TemporaryBook temporary;
    PaymentBook book(temporary.path());
    fillBook(book);
    TestEntry fee = debit(u"2.65"_s);
    TestEntry referenced = debit(u"75.00"_s, {order({}, u"HR0077-1"_s, {})});
    referenced.bankReference = u"B-7"_s;
    const QList<TestEntry> entries = {batch(3), fee, fee, credit(u"10.50"_s, u"Ana"_s, u"HR01555-1"_s), referenced};
    const BankStatement::Document document = BankStatement::read(statementXml(entries));

    const BankStatement::Reconciliation first = BankStatement::reconcile(book, document, u"a.xml"_s);
    EXPECT_EQ(first.count(Outcome::Booked), 2);
    EXPECT_EQ(first.count(Outcome::NotFound), 2); // the same fee twice in a day is two fees
    const QList<BookEntry> after = book.entries();

    const BankStatement::Reconciliation again = BankStatement::reconcile(book, document, u"a.xml"_s);
    EXPECT_EQ(again.count(Outcome::Taken), entries.size());
    // An overlapping statement knows the entry by the bank's reference, whatever else it says.
    referenced.bookingDate = u"2026-12-11"_s;
    const BankStatement::Reconciliation overlapping =
        BankStatement::reconcile(book, BankStatement::read(statementXml({referenced})), u"b.xml"_s);
    EXPECT_EQ(overlapping.count(Outcome::Taken), 1);
    const QList<BookEntry> now = book.entries();
    ASSERT_EQ(now.size(), after.size());
    for (qsizetype i = 0; i < now.size(); ++i)
        EXPECT_EQ(now[i].state, after[i].state);
}

} // namespace
