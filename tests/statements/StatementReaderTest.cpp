#include "StatementXml.h"

#include "model/UserError.h"
#include "statements/BankStatement.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TestTransaction paidBy(const QString &name, const QString &reference)
{
    TestTransaction t;
    t.debtorName = name;
    t.debtorIban = u"HR6623400093215678901"_s;
    t.reference = reference;
    t.amount = u"10.5"_s;
    return t;
}

TEST(StatementReader, ReadsBothVersionsAlike)
{
    for (const int version : {2, 8}) {
        SCOPED_TRACE(version);
        TestEntry entry{u"10.50"_s, true};
        entry.bankReference = u"B1"_s;
        entry.transactions = {paidBy(u"Ana Kovač"_s, u"HR01 555-1"_s)};
        TestEntry pending{u"3.00"_s};
        pending.status = u"PDNG"_s;
        const BankStatement::Document document = BankStatement::read(statementXml({entry, pending}, version));
        EXPECT_EQ(document.kind, u"camt.053.001.%1"_s.arg(version, 2, 10, QChar(u'0')));
        ASSERT_EQ(document.statements.size(), 1);
        const BankStatement::Statement &statement = document.statements.first();
        EXPECT_EQ(statement.iban, u"HR1210010051863000160"_s);
        ASSERT_EQ(statement.entries.size(), 2);
        const BankStatement::Entry &read = statement.entries.first();
        EXPECT_EQ(read.cents, 1050);
        EXPECT_TRUE(read.credit);
        EXPECT_TRUE(read.booked);
        EXPECT_EQ(read.bookingDate, QDate(2026, 12, 10));
        EXPECT_EQ(read.bankReference, u"B1"_s);
        ASSERT_EQ(read.transactions.size(), 1);
        EXPECT_EQ(read.transactions.first().debtorName, u"Ana Kovač"_s);
        EXPECT_EQ(read.transactions.first().cents, 1050);
        EXPECT_EQ(BankStatement::compactReference(read.transactions.first().reference), u"HR01555-1"_s);
        EXPECT_FALSE(statement.entries.last().booked);
    }
}

TEST(StatementReader, SkipsElementsOfOtherNamespaces)
{
    QByteArray xml = statementXml({TestEntry{u"1.00"_s}});
    xml.replace("<c:Id>1</c:Id>", "<x:Acct xmlns:x=\"urn:other\"><x:Id><x:IBAN>HR99</x:IBAN></x:Id></x:Acct>");
    EXPECT_EQ(BankStatement::read(xml).statements.first().iban, u"HR1210010051863000160"_s);
}

TEST(StatementReader, RefusesWhatIsNoStatement)
{
    const QByteArray deep = "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\"><BkToCstmrStmt>" +
                            QByteArray("<a>").repeated(50) + QByteArray("</a>").repeated(50) +
                            "</BkToCstmrStmt></Document>";
    QByteArray manyAttributes = "<c:Stmt";
    for (int i = 0; i < 70; ++i)
        manyAttributes += " a" + QByteArray::number(i) + "=\"1\"";
    QByteArray tooMany = statementXml({});
    tooMany.replace("<c:Stmt>", manyAttributes + ">");
    const struct
    {
        const char *name;
        QByteArray bytes;
        QString says;
    } cases[] = {
        {"empty", "", u"datoteka je prazna"_s},
        {"pain.002", "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:pain.002.001.10\"/>", u"korijen"_s},
        {"no namespace", "<Document><BkToCstmrStmt/></Document>", u"korijen"_s},
        {"camt.056", "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.056.001.08\"/>", u"korijen"_s},
        {"other message", "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.02\"><X/></Document>",
         u"poruka je X"_s},
        {"DTD", "<!DOCTYPE d [<!ENTITY e \"x\">]><Document/>", u"DTD"_s},
        {"too deep", deep, u"dublje od 40"_s},
        {"too many attributes", tooMany, u"atribut"_s},
        {"broken", statementXml({TestEntry{u"1.00"_s}}).chopped(20), u"camt.053/054"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        try {
            BankStatement::read(c.bytes);
            ADD_FAILURE() << "read";
        } catch (const UserError &e) {
            EXPECT_TRUE(e.text().startsWith(u"Datoteka nije izvadak banke camt.053/054: "_s)) << e.text().toStdString();
            EXPECT_TRUE(e.text().contains(c.says)) << e.text().toStdString();
        }
    }
}

TEST(StatementReader, ReadFileStopsWhenCancelled)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"izvadak.xml"_s);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(statementXml(QList<TestEntry>(2000, TestEntry{u"1.00"_s})));
    file.close();
    int calls = 0;
    EXPECT_FALSE(BankStatement::readFile(path, {{}, [&calls] { return ++calls > 1; }}));
    EXPECT_EQ(BankStatement::readFile(path)->statements.first().entries.size(), 2000);
}

} // namespace
