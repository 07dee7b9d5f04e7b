#include "app/BankStatements.h"
#include "StatementXml.h"
#include "UserErrorOf.h"
#include "WindowFixture.h"

namespace {

using namespace Qt::StringLiterals;

class BankStatementsTest : public WindowFixture
{
protected:
    BankStatementsTest() : statements(*window, dialogs, dir.filePath(u"payments.db"_s))
    {
        statements.showSummary = [this](const BankStatement::Reconciliation &result) {
            summaries.append(statementSummaryLines(result));
        };
        window->addFileMenuEntry(statements.menuEntry());
        PaymentBook book(dir.filePath(u"payments.db"_s));
        PaymentBook::Transaction transaction(book);
        BookPayment order;
        order.record.set(Hub3aField::RecipientName, u"Udruga Šapica"_s);
        order.record.set(Hub3aField::Amount, u"75,00"_s);
        order.way = BookWay::BankFile;
        order.endToEndId = u"HR0077-1"_s;
        book.record(transaction, order, QDateTime(QDate(2026, 12, 9), QTime(9, 0)), BookState::Sent);
        transaction.commit();
    }

    QString statementFile(const QByteArray &bytes)
    {
        const QString path = dir.filePath(u"izvadak.xml"_s);
        EXPECT_TRUE(writeFileBytes(path, bytes));
        return path;
    }

    BankStatements statements;
    QList<QStringList> summaries;
};

TEST_F(BankStatementsTest, TheSummaryCountsAndListsWhatTheStatementClosed)
{
    TestTransaction byEndToEnd;
    byEndToEnd.endToEndId = u"HR0077-1"_s;
    TestEntry paid(u"75.00"_s);
    paid.transactions = {byEndToEnd};
    const QString path = statementFile(statementXml({paid, TestEntry(u"2.65"_s)}));
    for (int time = 0; time < 2; ++time) {
        dialogs.setNextFileName(path);
        trigger("BankStatement");
    }
    ASSERT_EQ(summaries.size(), 2);
    EXPECT_EQ(summaries[0].mid(0, 5),
              QStringList({u"Proknjiženo: 1"_s, u"Vraćeno: 0"_s, u"Naplaćeno: 0"_s, u"Nije pronađeno: 1"_s,
                           u"Već preuzeto s ranijeg izvatka: 0"_s}));
    EXPECT_EQ(summaries[0].mid(5), QStringList({u"proknjiženo 10.12.2026.: Udruga Šapica 75,00 EUR"_s,
                                                u"nije pronađeno: 10.12.2026. -2,65 EUR"_s}));
    EXPECT_EQ(summaries[1].value(4), u"Već preuzeto s ranijeg izvatka: 2"_s);
    EXPECT_EQ(summaries[1].size(), 5);
}

TEST_F(BankStatementsTest, AFileThatIsNoStatementIsRefusedByName)
{
    dialogs.setNextFileName(statementFile("<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:pain.002.001.10\"/>"));
    EXPECT_TRUE(userErrorOf([&] { trigger("BankStatement"); })
                    .startsWith(u"izvadak.xml: Datoteka nije izvadak banke camt.053/054: korijen je Document"_s));
    EXPECT_TRUE(summaries.isEmpty());
}

} // namespace
