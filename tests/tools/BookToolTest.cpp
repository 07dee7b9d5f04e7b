#include "FreshBook.h"
#include "ToolRun.h"

#include "book/PaymentBook.h"
#include "model/CsvTable.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

TEST(BookTool, ExportsTheBooksPaymentsByStateAndDay)
{
    const FreshBook fresh;
    {
        PaymentBook book(fresh.bookPath());
        PaymentBook::Transaction transaction(book);
        BookPayment payment;
        payment.record.texts[static_cast<size_t>(Hub3aField::RecipientName)] = u"Udruga Šapica"_s;
        payment.way = BookWay::BankFile;
        payment.messageId = u"UN202612030002"_s;
        book.record(transaction, payment, QDateTime(QDate(2026, 12, 3), QTime(9, 30)), BookState::Prepared);
        const qint64 refused = book.record(transaction, payment, QDateTime(QDate(2026, 12, 5), QTime(9, 30)),
                                           BookState::Prepared);
        book.changeState(transaction, refused, BookState::Refused, u"AC01"_s, QDateTime::currentDateTime());
        transaction.commit();
    }
    QTemporaryDir dir;
    const QString out = dir.filePath(u"rows.csv"_s);
    const struct
    {
        const char *name;
        QStringList options;
        int status;
        QStringList states; // of the rows written, nothing for no file
    } cases[] = {
        {"all", {}, 0, {u"prepared"_s, u"refused"_s}},
        {"refused", {u"--state"_s, u"refused"_s}, 0, {u"refused"_s}},
        {"from a day", {u"--from"_s, u"2026-12-04"_s}, 0, {u"refused"_s}},
        {"to a day", {u"--to"_s, u"2026-12-03"_s}, 0, {u"prepared"_s}},
        {"an unknown state", {u"--state"_s, u"paid"_s}, 2, {}},
        {"a bad day", {u"--from"_s, u"3.12.2026"_s}, 2, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(out);
        const ToolRun run = render(QStringList{u"--book"_s, u"-o"_s, out} + c.options);
        EXPECT_EQ(run.status, c.status) << run.errors.toStdString();
        if (c.status != 0) {
            EXPECT_FALSE(QFile::exists(out));
            continue;
        }
        const CsvTable table = CsvTable::parse(fileBytes(out));
        ASSERT_EQ(table.rows.size(), c.states.size());
        const qsizetype state = table.header.indexOf(u"stanje"_s);
        const qsizetype messageId = table.header.indexOf(u"oznaka_poruke"_s);
        ASSERT_GE(state, 0);
        ASSERT_GE(messageId, 0);
        for (qsizetype i = 0; i < c.states.size(); ++i) {
            EXPECT_EQ(table.rows[i].fields.value(state), c.states[i]);
            EXPECT_EQ(table.rows[i].fields.value(messageId), u"UN202612030002"_s);
        }
    }
}

} // namespace
