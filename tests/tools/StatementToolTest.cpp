#include "FreshBook.h"
#include "StatementXml.h"
#include "ToolRun.h"

#include "book/PaymentBook.h"
#include "model/CsvTable.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

TEST(StatementTool, ListsTheUnmatchedOnceAndTheSameStatementAgainAsBooked)
{
    const FreshBook fresh;
    {
        PaymentBook book(fresh.bookPath());
        PaymentBook::Transaction transaction(book);
        BookPayment order;
        order.record.set(Hub3aField::Amount, u"75,00"_s);
        order.way = BookWay::BankFile;
        order.endToEndId = u"HR0077-1"_s;
        book.record(transaction, order, QDateTime(QDate(2026, 12, 9), QTime(9, 0)), BookState::Sent);
        transaction.commit();
    }
    QTemporaryDir dir;
    TestEntry paid{u"75.00"_s};
    TestTransaction byEndToEnd;
    byEndToEnd.endToEndId = u"HR0077-1"_s;
    paid.transactions = {byEndToEnd};
    TestEntry fee{u"2.65"_s};
    fee.bankReference = u"FEE-1"_s;
    const QString statement = dir.filePath(u"izvadak.xml"_s);
    QFile file(statement);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(statementXml({paid, fee}));
    file.close();
    const QString broken = dir.filePath(u"broken.xml"_s);
    QFile(broken).open(QIODevice::WriteOnly);
    const QString out = dir.filePath(u"unmatched.csv"_s);

    const ToolRun bad = render({u"--statement"_s, statement, broken});
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.errors.contains(u"nije izvadak banke"_s)) << bad.errors.toStdString();

    const ToolRun first = render({u"--statement"_s, statement, u"-o"_s, out});
    EXPECT_EQ(first.status, 1) << first.errors.toStdString();
    const QStringList lines = first.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1);
    const QJsonObject unmatched = QJsonDocument::fromJson(lines.first().toUtf8()).object();
    EXPECT_EQ(unmatched.value("amount"_L1).toString(), u"2.65"_s);
    EXPECT_EQ(unmatched.value("bankReference"_L1).toString(), u"FEE-1"_s);
    const CsvTable table = CsvTable::parse(fileBytes(out));
    ASSERT_EQ(table.rows.size(), 1);
    EXPECT_EQ(table.rows.first().fields.value(table.header.indexOf(u"direction"_s)), u"DBIT"_s);
    const QJsonObject summary = QJsonDocument::fromJson(reportLines(first.errors).first().toUtf8()).object();
    EXPECT_EQ(summary.value("booked"_L1).toInt(), 1);

    const ToolRun again = render({u"--statement"_s, statement});
    EXPECT_EQ(again.status, 0) << again.errors.toStdString();
    EXPECT_TRUE(again.out.isEmpty());
    const QJsonObject second = QJsonDocument::fromJson(reportLines(again.errors).first().toUtf8()).object();
    EXPECT_EQ(second.value("alreadyBooked"_L1).toInt(), 2);
    EXPECT_EQ(second.value("booked"_L1).toInt(), 0);
}

} // namespace
