#include "AsOrdinaryUser.h"
#include "BankFixtures.h"
#include "BookFixtures.h"
#include "FileBytes.h"
#include "ThrownError.h"

#include "model/SqliteDatabase.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using BankFixtures::order;
using F = Hub3aField;

TEST(PaymentBook, KeepsEveryFieldOfAPaymentAndAppendsItsStates)
{
    const TemporaryBook dir;
    BookPayment payment;
    payment.record = order({{F::Urgent, u"1"_s}, {F::ExecutionDate, u"09.12.2026"_s}});
    payment.instant = true;
    payment.origin = {BookSource::Invoice, u"/računi/r1.pdf"_s, 2};
    payment.way = BookWay::BankFile;
    payment.wayFile = u"/banka/UN.20261208.0001.xml"_s;
    payment.messageId = u"UN202612080001"_s;
    payment.paymentInfoId = u"UN202612080001-G1"_s;
    payment.instructionId = u"UN202612080001-3"_s;
    payment.endToEndId = u"HR01102-3057-89016"_s;
    qint64 id = 0;
    {
        PaymentBook book(dir.path());
        id = recordOn(book, payment, QDate(2026, 12, 8));
        PaymentBook::Transaction transaction(book);
        book.changeState(transaction, id, BookState::Refused, u"AC01 Neispravan IBAN"_s,
                         QDateTime::currentDateTime());
        transaction.commit();
    }
    const PaymentBook reopened(dir.path());
    const QList<BookEntry> entries = reopened.entriesOfMessage(u"UN202612080001"_s);
    ASSERT_EQ(entries.size(), 1);
    const BookEntry &entry = entries.front();
    EXPECT_EQ(entry.id, id);
    EXPECT_EQ(entry.left, QDateTime(QDate(2026, 12, 8), QTime(10, 0)));
    EXPECT_EQ(entry.payment.record.texts, payment.record.texts);
    EXPECT_TRUE(entry.payment.instant);
    EXPECT_EQ(entry.payment.origin.source, BookSource::Invoice);
    EXPECT_EQ(entry.payment.origin.file, payment.origin.file);
    EXPECT_EQ(entry.payment.origin.place, 2);
    EXPECT_EQ(entry.payment.way, BookWay::BankFile);
    EXPECT_EQ(entry.payment.wayFile, payment.wayFile);
    EXPECT_EQ(entry.payment.paymentInfoId, payment.paymentInfoId);
    EXPECT_EQ(entry.payment.instructionId, payment.instructionId);
    EXPECT_EQ(entry.payment.endToEndId, payment.endToEndId);
    EXPECT_EQ(entry.state, BookState::Refused);
    EXPECT_EQ(entry.reason, u"AC01 Neispravan IBAN"_s);
    EXPECT_EQ(reopened.entries({}, {}, BookState::Refused).size(), 1);
    EXPECT_EQ(reopened.entries({}, {}, BookState::Prepared).size(), 0);
    EXPECT_EQ(reopened.entries(QDate(2026, 12, 9), {}).size(), 0);
    EXPECT_EQ(reopened.entries(QDate(2026, 12, 8), QDate(2026, 12, 8)).size(), 1);
}

TEST(PaymentBook, NeverLetsARowBeChangedOrDeleted)
{
    const TemporaryBook dir;
    PaymentBook book(dir.path());
    BookPayment payment;
    payment.record = order();
    recordOn(book, payment, QDate(2026, 12, 8));
    for (const char *sql : {"UPDATE payment SET amount = '1,00'", "DELETE FROM payment",
                            "UPDATE payment_event SET state = 'booked'", "DELETE FROM payment_event"}) {
        SCOPED_TRACE(sql);
        EXPECT_FALSE(book.database().exec(sql));
    }
    EXPECT_EQ(book.entries().front().payment.record[F::Amount], u"10,00"_s);
}

TEST(PaymentBook, NumbersEachDaysBankFilesAboveWhatTheSettingsCounted)
{
    const TemporaryBook dir;
    PaymentBook book(dir.path());
    const QDate monday(2026, 12, 8), tuesday(2026, 12, 9);
    const struct
    {
        QDate day;
        int counted;
        const char16_t *expected;
    } steps[] = {
        {monday, 0, u"UN202612080001"}, {monday, 0, u"UN202612080002"},  {tuesday, 0, u"UN202612090001"},
        {monday, 0, u"UN202612080003"}, {tuesday, 5, u"UN202612090006"}, {tuesday, 2, u"UN202612090007"},
    };
    for (const auto &step : steps) {
        EXPECT_EQ(book.nextMessageId(step.day, step.counted), QString::fromUtf16(step.expected));
        PaymentBook::Transaction transaction(book);
        EXPECT_EQ(book.takeMessageId(transaction, step.day, u"HR7023400091510946338"_s, step.counted),
                  QString::fromUtf16(step.expected));
        transaction.commit();
    }
    // An id taken in a transaction that was not committed is free again.
    {
        PaymentBook::Transaction transaction(book);
        EXPECT_EQ(book.takeMessageId(transaction, monday, QString()), u"UN202612080004"_s);
    }
    PaymentBook::Transaction transaction(book);
    EXPECT_EQ(book.takeMessageId(transaction, monday, QString()), u"UN202612080004"_s);
    EXPECT_EQ(
        thrownErrorOf([&] { book.takeMessageId(transaction, monday, QString(), 9999); }),
        u"Danas je već napravljeno 9999 datoteka naloga za banku; oznaka poruke UNggggmmddnnnn ne može se "
        "ponoviti"_s);
}

TEST(PaymentBook, RefusesABookItCannotWrite)
{
    const struct
    {
        const char *name;
        std::function<void(const QString &path)> prepare;
        const char16_t *why;
    } cases[] = {
        {"damaged", [](const QString &path) { ASSERT_TRUE(writeFileBytes(path, QByteArray(8192, 'x'))); },
         u"datoteka je oštećena ili nije knjiga plaćanja"},
        {"read-only",
         [](const QString &path) {
             PaymentBook{path};
             // Readable by everyone, in a folder everyone may enter, written by no one.
             QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
             QFile::setPermissions(QFileInfo(path).absolutePath(), QFile::ReadOwner | QFile::WriteOwner |
                                                                       QFile::ExeOwner | QFile::ReadOther |
                                                                       QFile::ExeOther);
         },
         u"datoteka je samo za čitanje"},
        {"newer",
         [](const QString &path) {
             PaymentBook{path};
             SqliteDatabase::open(path, false, std::chrono::milliseconds(0))
                 ->exec("PRAGMA user_version = 99");
         },
         u"zapisala ju je novija inačica programa"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const TemporaryBook dir;
        c.prepare(dir.path());
        const QByteArray before = fileBytes(dir.path());
        std::optional<AsOrdinaryUser> user;
        if (std::string(c.name) == "read-only")
            user.emplace();
        EXPECT_EQ(thrownErrorOf([&] { PaymentBook{dir.path()}; }),
                  u"Knjiga plaćanja %1 ne može se upisati: %2"_s.arg(dir.path(), QString::fromUtf16(c.why)));
        if (std::string(c.name) == "damaged") {
            EXPECT_EQ(fileBytes(dir.path()), before) << "a damaged book is left as it was";
        }
    }
}

TEST(PaymentBook, RefusesWhileAnotherCopyHoldsTheBookPastTheWait)
{
    const TemporaryBook dir;
    PaymentBook holder(dir.path());
    PaymentBook waiting(dir.path(), std::chrono::milliseconds(50));
    const PaymentBook::Transaction held(holder);
    EXPECT_EQ(
        thrownErrorOf([&] { PaymentBook::Transaction{waiting}; }),
        u"Knjiga plaćanja %1 ne može se upisati: drugi pokrenuti primjerak programa predugo je drži zauzetom"_s
            .arg(dir.path()));
}

} // namespace
