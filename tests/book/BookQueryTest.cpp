#include "BankFixtures.h"
#include "BookFixtures.h"

#include "book/BookQuery.h"
#include "book/BookTableModel.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace Qt::StringLiterals;
using BankFixtures::order;
using F = Hub3aField;

void changeState(PaymentBook &book, qint64 id, BookState state, const QString &reason = {})
{
    PaymentBook::Transaction transaction(book);
    book.changeState(transaction, id, state, reason, QDateTime::currentDateTime());
    transaction.commit();
}

QList<qint64> idsOf(const QList<BookEntry> &entries)
{
    QList<qint64> ids;
    for (const BookEntry &entry : entries)
        ids.append(entry.id);
    return ids;
}

// Five payments of early December, numbered 1 to 5 in the order they left.
class BookQueryTest : public ::testing::Test
{
protected:
    BookQueryTest() : book(dir.path())
    {
        BookPayment payment;
        const auto add = [&](const Hub3aRecord &record, QDateTime left, BookWay way, const QString &file) {
            payment.record = record;
            payment.way = way;
            payment.wayFile = file;
            PaymentBook::Transaction transaction(book);
            const qint64 id = book.record(transaction, payment, left, BookState::Prepared);
            transaction.commit();
            return id;
        };
        const QDate first(2026, 12, 1);
        add(order({{F::RecipientName, u"Udruga Šapica"_s}, {F::Amount, u"10,00"_s}}), {first, QTime(9, 0)},
            BookWay::Printed, u"HP"_s);
        add(order({{F::RecipientName, u"HEP Opskrba"_s}, {F::Amount, u"1.234,56"_s}}), {first, QTime(23, 59)},
            BookWay::Pdf, u"/u/hep.pdf"_s);
        add(order(
                {{F::RecipientName, u"Hep 50%"_s}, {F::Amount, u"5,00"_s}, {F::Description, u"struja_12"_s}}),
            {first.addDays(1), QTime(0, 0)}, BookWay::BankFile, u"/b/UN.20261202.0001.xml"_s);
        const qint64 refusedThenAccepted =
            add(order({{F::RecipientName, u"Vodovod"_s}, {F::Amount, u"20,00"_s}}),
                {first.addDays(2), QTime(8, 0)}, BookWay::BankFile, u"/b/UN.20261203.0001.xml"_s);
        const qint64 refused =
            add(order({{F::RecipientName, u"Plin"_s}, {F::Amount, u"30,00"_s}}),
                {first.addDays(3), QTime(8, 0)}, BookWay::BankFile, u"/b/UN.20261204.0001.xml"_s);
        changeState(book, refusedThenAccepted, BookState::Refused, u"AC01"_s);
        changeState(book, refusedThenAccepted, BookState::Accepted);
        changeState(book, refused, BookState::Sent);
        changeState(book, refused, BookState::Refused, u"AM04 Nedovoljno sredstava"_s);
    }

    TemporaryBook dir;
    PaymentBook book;
};

TEST_F(BookQueryTest, FiltersByLatestStateDaysRecipientAndTextWithTheirTotals)
{
    struct Case
    {
        const char *name;
        std::optional<BookState> state;
        QDate from, to;
        QString recipient, text;
        QList<qint64> ids; // newest first
        qint64 cents;
    };
    const QDate first(2026, 12, 1);
    const QDate none;
    const Case cases[] = {
        {"everything", {}, none, none, {}, {}, {5, 4, 3, 2, 1}, 3000 + 2000 + 500 + 123456 + 1000},
        {"latest state only", BookState::Refused, none, none, {}, {}, {5}, 3000},
        {"a state none has", BookState::Booked, none, none, {}, {}, {}, 0},
        {"first state kept", BookState::Prepared, none, none, {}, {}, {3, 2, 1}, 500 + 123456 + 1000},
        {"day range takes whole days", {}, first, first, {}, {}, {2, 1}, 123456 + 1000},
        {"from only", {}, first.addDays(2), none, {}, {}, {5, 4}, 5000},
        {"to only", {}, none, first.addDays(1), {}, {}, {3, 2, 1}, 500 + 123456 + 1000},
        {"recipient part, any case", {}, none, none, u"hep"_s, {}, {3, 2}, 500 + 123456},
        {"recipient, Croatian letters in any case", {}, none, none, u"ŠAPICA"_s, {}, {1}, 1000},
        {"recipient spaces around", {}, none, none, u" Vodovod "_s, {}, {4}, 2000},
        {"percent is a character", {}, none, none, u"50%"_s, {}, {3}, 500},
        {"percent matches nothing else", {}, none, none, u"p%a"_s, {}, {}, 0},
        {"underscore matches nothing else", {}, none, none, {}, u"1_234"_s, {}, 0},
        {"text in description", {}, none, none, {}, u"struja_12"_s, {3}, 500},
        {"text in bank file", {}, none, none, {}, u"20261203"_s, {4}, 2000},
        {"text in printer", {}, none, none, {}, u"hp"_s, {1}, 1000},
        {"every part at once", BookState::Prepared, first.addDays(1), none, u"hep"_s, u"xml"_s, {3}, 500},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        BookFilter filter;
        filter.state = c.state;
        filter.from = c.from;
        filter.to = c.to;
        filter.recipient = c.recipient;
        filter.text = c.text;
        EXPECT_EQ(idsOf(BookQuery::page(book, filter, 0, BookQuery::wholeBook)), c.ids);
        const BookTotals totals = BookQuery::totals(book, filter);
        EXPECT_EQ(totals.count, c.ids.size());
        EXPECT_EQ(totals.cents, c.cents);
    }
}

TEST_F(BookQueryTest, ListsEveryStateOfAPaymentInOrder)
{
    const QList<BookEvent> events = BookQuery::events(book, 5);
    ASSERT_EQ(events.size(), 3);
    EXPECT_EQ(events[0].state, BookState::Prepared);
    EXPECT_EQ(events[1].state, BookState::Sent);
    EXPECT_EQ(events[2].state, BookState::Refused);
    EXPECT_EQ(events[2].reason, u"AM04 Nedovoljno sredstava"_s);
}

TEST_F(BookQueryTest, ModelShowsEachColumnAsTheClerkReadsIt)
{
    BookTableModel model(book);
    model.setFilter({});
    const auto cell = [&](int row, int column) { return model.data(model.index(row, column)).toString(); };
    // Row 0 is the newest: payment 5; row 3 is payment 2.
    EXPECT_EQ(cell(3, BookTableModel::Day), u"01.12.2026."_s);
    EXPECT_EQ(cell(3, BookTableModel::Recipient), u"HEP Opskrba"_s);
    EXPECT_EQ(cell(3, BookTableModel::Amount), u"1.234,56"_s);
    EXPECT_EQ(cell(3, BookTableModel::Reference), u"HR68 8214-12345678903"_s);
    EXPECT_EQ(cell(3, BookTableModel::Way), u"PDF hep.pdf"_s);
    EXPECT_EQ(cell(4, BookTableModel::Way), u"ispis na HP"_s);
    EXPECT_EQ(cell(0, BookTableModel::Way), u"datoteka za banku UN.20261204.0001.xml"_s);
    EXPECT_EQ(cell(0, BookTableModel::State), u"odbijen"_s);
    EXPECT_EQ(cell(1, BookTableModel::State), u"prihvaćen"_s);
}

TEST(BookTableModel, ReadsAPageAtATimeWithTheFilterAcrossPages)
{
    const TemporaryBook dir;
    PaymentBook book(dir.path());
    constexpr int payments = 3 * BookTableModel::pageSize + 50;
    {
        PaymentBook::Transaction transaction(book);
        BookPayment payment;
        payment.record = order();
        for (int i = 0; i < payments; ++i) {
            const qint64 id = book.record(transaction, payment, QDateTime(QDate(2026, 12, 1), QTime(8, 0)),
                                          BookState::Prepared);
            if (i % 3 == 0)
                book.changeState(transaction, id, BookState::Refused, u"AC01"_s,
                                 QDateTime::currentDateTime());
        }
        transaction.commit();
    }
    struct Case
    {
        const char *name;
        std::optional<BookState> state;
        int matching;
    };
    const Case cases[] = {
        {"every payment", {}, payments},
        {"every third, spread over the pages", BookState::Refused, (payments + 2) / 3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        BookTableModel model(book);
        BookFilter filter;
        filter.state = c.state;
        model.setFilter(filter);
        EXPECT_EQ(model.totals().count, c.matching);
        EXPECT_EQ(model.rowCount(), std::min(c.matching, int(BookTableModel::pageSize)));
        int fetches = 0;
        while (model.canFetchMore({})) {
            const int before = model.rowCount();
            model.fetchMore({});
            ++fetches;
            EXPECT_LE(model.rowCount() - before, BookTableModel::pageSize);
            ASSERT_LE(fetches, c.matching / BookTableModel::pageSize + 1);
        }
        ASSERT_EQ(model.rowCount(), c.matching);
        // Newest first with no payment twice, each in the state asked for.
        qint64 previous = std::numeric_limits<qint64>::max();
        for (int row = 0; row < model.rowCount(); ++row) {
            const BookEntry &entry = model.entry(row);
            EXPECT_LT(entry.id, previous);
            previous = entry.id;
            EXPECT_EQ(entry.state, c.state.value_or(entry.state));
        }
    }
}

} // namespace
