#include "BankFixtures.h"
#include "BookFixtures.h"
#include "FileBytes.h"
#include "ThrownError.h"

#include "book/BookedBankFile.h"

#include <QFile>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using BankFixtures::order;
using BankFixtures::Row;
using F = Hub3aField;

// Each order's PmtInfId, InstrId and EndToEndId in the file, in the file's order.
QList<QStringList> idsInFile(const QString &path)
{
    QXmlStreamReader xml(fileBytes(path));
    QList<QStringList> ids;
    QString group;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == "PmtInfId"_L1)
            group = xml.readElementText();
        else if (xml.name() == "InstrId"_L1)
            ids.append({group, xml.readElementText()});
        else if (xml.name() == "EndToEndId"_L1)
            ids.back().append(xml.readElementText());
    }
    return ids;
}

TEST(BookedBankFile, RecordsEveryOrderWithTheIdsTheFileGivesIt)
{
    const TemporaryBook dir;
    PaymentBook book(dir.path());
    // Rows 4 and 9 go to an urgent group of their own; row 6 is refused by the file's checks.
    const QList<Row> rows = {
        {2, order()},
        {4, order({{F::Urgent, u"1"_s}, {F::PayerModel, u"HR00"_s}, {F::PayerReference, u"77"_s}})},
        {6, order({{F::RecipientIban, u"HR1210010051863000161"_s}})},
        {9, order({{F::Urgent, u"1"_s}, {F::Amount, u"1.234,56"_s}})}};
    const QString path = dir.filePath(u"orders.xml"_s);
    const BookedBankFile booked = saveBookedBankFile(book, path, BankOrdersOf(rows), BankFixtures::options(),
                                                     {BookSource::Table, u"/t/placanja.csv"_s, 0}, 3);
    EXPECT_EQ(booked.messageId, u"UN202612080004"_s);
    ASSERT_EQ(booked.result.written, 3) << booked.result.refused.front().message.toStdString();
    const QList<BookEntry> entries = book.entriesOfMessage(booked.messageId);
    const QList<QStringList> ids = idsInFile(path);
    ASSERT_EQ(entries.size(), 3);
    ASSERT_EQ(ids.size(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const BookPayment &payment = entries[i].payment;
        EXPECT_EQ((QStringList{payment.paymentInfoId, payment.instructionId, payment.endToEndId}), ids[i]);
        EXPECT_EQ(payment.wayFile, path);
        EXPECT_FALSE(payment.instant);
        EXPECT_EQ(payment.origin.file, u"/t/placanja.csv"_s);
        EXPECT_EQ(entries[i].state, BookState::Prepared);
    }
    EXPECT_EQ(ids[1], (QStringList{u"UN202612080004-G2"_s, u"UN202612080004-4"_s, u"HR0077"_s}));
    EXPECT_EQ(entries[1].payment.record.texts, rows[1].record.texts);
    EXPECT_EQ(entries[1].payment.origin.place, 4);
}

TEST(BookedBankFile, AFileThatIsNotWrittenKeepsNeitherItsIdNorItsOrders)
{
    const TemporaryBook dir;
    PaymentBook book(dir.path());
    const QList<Row> rows = {{1, order()}};
    const QString path = dir.filePath(u"no/folder/orders.xml"_s);
    EXPECT_EQ(thrownErrorOf(
                  [&] { saveBookedBankFile(book, path, BankOrdersOf(rows), BankFixtures::options(), {}); }),
              u"Datoteka %1 ne može se stvoriti"_s.arg(path));
    EXPECT_TRUE(book.entries().isEmpty());
    EXPECT_EQ(book.nextMessageId(QDate(2026, 12, 8)), u"UN202612080001"_s);
}

TEST(BookedBankFile, ABookThatCannotBeWrittenMakesNoFile)
{
    const TemporaryBook dir;
    ASSERT_TRUE(writeFileBytes(dir.path(), QByteArray(8192, 'x')));
    EXPECT_EQ(
        thrownErrorOf([&] { openBookForBankFile(dir.path()); }),
        u"Datoteka naloga za banku nije napravljena. Knjiga plaćanja %1 ne može se upisati: datoteka je "
        "oštećena ili nije knjiga plaćanja. Oznaka poruke uzima se iz knjige plaćanja, da se nikad ne "
        "ponovi."_s.arg(dir.path()));
    // A book another copy holds past the wait refuses the file at its id.
    const QString good = dir.filePath(u"good.db"_s);
    PaymentBook holder(good);
    PaymentBook waiting(good, std::chrono::milliseconds(50));
    const PaymentBook::Transaction held(holder);
    const QList<Row> rows = {{1, order()}};
    const QString path = dir.filePath(u"orders.xml"_s);
    EXPECT_TRUE(thrownErrorOf([&] {
                    saveBookedBankFile(waiting, path, BankOrdersOf(rows), BankFixtures::options(), {});
                }).startsWith(u"Datoteka naloga za banku nije napravljena. Knjiga plaćanja"_s));
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
