#include "BankAnswers.h"
#include "BankFixtures.h"
#include "BookFixtures.h"
#include "QtPrinters.h"
#include "ThrownError.h"

#include "bankfile/BusinessDays.h"
#include "book/BookedAnswer.h"
#include "book/BookedBankFile.h"
#include "book/RefusedOrders.h"
#include "model/SqliteStatement.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using BankAnswers::Part;
using BankFixtures::order;
using BankFixtures::Row;
using F = Hub3aField;

// A file of four orders: rows 2 and 3 in group G1, the urgent rows 4 and 5 in group G2.
class BookedAnswerTest : public ::testing::Test
{
protected:
    BookedAnswerTest() : book(dir.path())
    {
        Pain001::Options options = BankFixtures::options();
        options.instant = instant;
        messageId = saveBookedBankFile(book, dir.filePath(u"orders.xml"_s), BankOrders(rows), options,
                                       {BookSource::Table, u"/t/placanja.csv"_s, 0})
                        .messageId;
    }

    BookedAnswer answered(const QString &fileStatus, const QList<Part> &parts, const QString &file = {})
    {
        const Pain002::Report report =
            Pain002::read(BankAnswers::answer(file.isEmpty() ? messageId : file, fileStatus, parts));
        return recordAnswer(book, report, QDateTime(QDate(2026, 12, 9), QTime(8, 0)));
    }

    // Each order's state now, by row.
    QStringList states() const
    {
        QStringList states;
        for (const BookEntry &entry : book.entriesOfMessage(messageId))
            states.append(u"%1:%2"_s.arg(entry.payment.origin.place).arg(bookStateName(entry.state)));
        return states;
    }

    qint64 eventCount() const
    {
        SqliteStatement count(book.database(), "SELECT COUNT(*) FROM payment_event");
        count.step();
        return count.columnInteger(0);
    }

    const bool instant = true;
    const TemporaryBook dir;
    PaymentBook book;
    const QList<Row> rows = {
        {2, order()},
        {3, order({{F::Amount, u"20,00"_s}, {F::Description, u"Druga donacija"_s}})},
        {4, order({{F::Urgent, u"1"_s}, {F::Amount, u"30,00"_s}, {F::PurposeCode, u"SALA"_s}})},
        {5, order({{F::Urgent, u"1"_s}, {F::Amount, u"40,00"_s}, {F::Description, u"Plaća"_s}})}};
    QString messageId;
};

TEST_F(BookedAnswerTest, MatchesEveryRefusalToTheOrdersAsTheyWereSent)
{
    // A part of the answer: the group's number, the order's row (0: the group as a whole), the status.
    struct Answered
    {
        int group;
        int row;
        QString status;
    };
    const struct
    {
        const char *what;
        QString fileStatus;
        QList<Answered> parts;
        QStringList states;
        int accepted;
    } cases[] = {
        {"a group refused, nothing said of the rest",
         {},
         {{2, 0, u"RJCT"_s}},
         {u"2:prepared"_s, u"3:prepared"_s, u"4:refused"_s, u"5:refused"_s},
         0},
        {"one order refused, the rest accepted",
         u"PART"_s,
         {{1, 3, u"RJCT"_s}},
         {u"2:accepted"_s, u"3:refused"_s, u"4:accepted"_s, u"5:accepted"_s},
         3},
        {"an order accepted by its own status",
         {},
         {{1, 2, u"ACCP"_s}},
         {u"2:accepted"_s, u"3:prepared"_s, u"4:prepared"_s, u"5:prepared"_s},
         1},
        {"a group accepted, an order of the other refused",
         {},
         {{1, 0, u"ACSC"_s}, {2, 5, u"RJCT"_s}},
         {u"2:accepted"_s, u"3:accepted"_s, u"4:prepared"_s, u"5:refused"_s},
         2},
        {"the whole file refused",
         u"RJCT"_s,
         {},
         {u"2:refused"_s, u"3:refused"_s, u"4:refused"_s, u"5:refused"_s},
         0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        // Each case answers a file of its own.
        messageId = saveBookedBankFile(book, dir.filePath(u"%1.xml"_s.arg(QLatin1StringView(c.what))),
                                       BankOrders(rows), BankFixtures::options(),
                                       {BookSource::Table, u"/t/placanja.csv"_s, 0})
                        .messageId;
        QList<Part> parts;
        for (const Answered &part : c.parts)
            parts.append({u"%1-G%2"_s.arg(messageId).arg(part.group),
                          part.row ? u"%1-%2"_s.arg(messageId).arg(part.row) : QString(), part.status});
        const BookedAnswer booked = answered(c.fileStatus, parts);
        EXPECT_TRUE(booked.known);
        EXPECT_EQ(states(), c.states);
        EXPECT_EQ(booked.accepted, c.accepted);
        EXPECT_TRUE(booked.unmatched.isEmpty());
        // Every refused order comes back with every field it was sent with.
        for (const RefusedPayment &refused : booked.refused) {
            const int row = refused.entry.payment.origin.place;
            EXPECT_EQ(refused.entry.payment.record.texts, rows[row - 2].record.texts) << row;
            EXPECT_TRUE(refused.entry.reason.startsWith(refused.refusal.reason)) << row;
        }
        // The same answer read again adds nothing.
        const qint64 events = eventCount();
        answered(c.fileStatus, parts);
        EXPECT_EQ(eventCount(), events);
    }
}

TEST_F(BookedAnswerTest, AnAnswerAboutAFileTheBookDoesNotKnowRecordsNothing)
{
    const qint64 events = eventCount();
    const BookedAnswer booked = answered(u"RJCT"_s, {}, u"UN202612070009"_s);
    EXPECT_FALSE(booked.known);
    EXPECT_EQ(eventCount(), events);
    const Pain002::Report report =
        Pain002::read(BankAnswers::answer(u"UN202612070009"_s, {}, {{u"G"_s, {}}}));
    EXPECT_TRUE(resendAdvice(report, booked).contains(u"nije u knjizi plaćanja"_s));
}

TEST_F(BookedAnswerTest, AGroupRefusalResendsOnlyThatGroupUrgentAndInstantKept)
{
    const BookedAnswer booked = answered({}, {{messageId + u"-G2"_s, {}}});
    QList<qint64> ids;
    for (const BookEntry &entry : book.entriesOfMessage(messageId))
        ids.append(entry.id); // every order of the file asked for: only the refused go
    const RefusedOrders again = refusedOrders(book, ids);
    ASSERT_EQ(again.orders.size(), 2);
    EXPECT_EQ(again.leftOut, 2);
    EXPECT_TRUE(again.instant);
    EXPECT_EQ(again.orders[0].payment.record.texts, rows[2].record.texts);
    EXPECT_EQ(again.orders[1].payment.record.texts, rows[3].record.texts);
    EXPECT_EQ(resendSummary(again), u"Ponovno se šalje naloga: 2, ukupno 70,00 EUR, novom oznakom poruke. Ne "
                                    "šalje se naloga koje banka nije odbila: 2."_s);
    EXPECT_EQ(
        resendAdvice(Pain002::read(BankAnswers::answer(messageId, {}, {{messageId + u"-G2"_s, {}}})), booked),
        u"Banka je odbila grupu naloga %1-G2. „Pošalji ponovno” šalje samo odbijene naloge (2, ukupno "
        "70,00 EUR) u novoj datoteci s novom oznakom poruke; ostali nalozi datoteke (2) ne šalju se "
        "ponovno."_s.arg(messageId));
    EXPECT_EQ(thrownErrorOf([&] {
                  refusedOrders(book, {ids[0], ids[1]});
              }),
              u"Nijedan odabrani nalog banka nije odbila: ništa se ne šalje ponovno"_s);
}

TEST(RefusedOrders, PastExecutionDatesMoveToTheFirstBusinessDay)
{
    const struct
    {
        QString sent; // the order's execution date
        QDate today;
        QString after;
    } cases[] = {
        {u"07122026"_s, QDate(2026, 12, 9), u"09122026"_s},  // a Wednesday
        {u"24122026"_s, QDate(2026, 12, 25), u"28122026"_s}, // Christmas, then the weekend
        {u"25032027"_s, QDate(2027, 3, 26), u"30032027"_s},  // Good Friday to the Tuesday after Easter
        {u"03062026"_s, QDate(2026, 6, 4), u"05062026"_s},   // Corpus Christi
        {u"07122026"_s, QDate(2026, 12, 7), u"07122026"_s},  // not past: kept
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.today.toString(Qt::ISODate).toStdString());
        QList<Hub3aRecord> orders{order({{F::ExecutionDate, c.sent}}), order({{F::ExecutionDate, u"31122027"_s}})};
        EXPECT_EQ(pastExecutionDates(orders, c.today), c.sent == c.after ? 0 : 1);
        movePastExecutionDates(orders, c.today);
        EXPECT_EQ(orders[0][F::ExecutionDate], c.after);
        EXPECT_EQ(orders[1][F::ExecutionDate], u"31122027"_s);
    }
}

} // namespace
