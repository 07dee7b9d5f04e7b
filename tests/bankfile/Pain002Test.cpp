#include "FileBytes.h"
#include "QtPrinters.h"
#include "SchemaCheck.h"
#include "ThrownError.h"
#include "bankfile/Pain002.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <tuple>

namespace {

using namespace Qt::StringLiterals;
using F = Hub3aField;
using Level = Pain002::RefusedOrder::Level;

QByteArray sample(const char *name)
{
    const QByteArray bytes = testDataBytes((std::string("bankfile/") + name).c_str());
    EXPECT_FALSE(bytes.isEmpty()) << name;
    return bytes;
}

TEST(Pain002, SamplesAreValidStatusReports)
{
    // pain002-refused.xml also holds what the Croatian guide adds to the EPC report (AddtlRmtInf, an
    // accepted order beside the refused ones); the EPC schema has neither.
    for (const char *name : {"pain002-accepted.xml", "pain002-file-refused.xml"}) {
        SCOPED_TRACE(name);
        EXPECT_SCHEMA_VALID(sample(name), "pain.002.001.10_EPC132-08_2025.xsd");
    }
}

TEST(Pain002, ReadsTheRefusedOrders)
{
    const Pain002::Report report = Pain002::read(sample("pain002-refused.xml"));
    EXPECT_EQ(report.messageId, u"STS20261208-77"_s);
    EXPECT_EQ(report.originalMessageId, u"UN202612080001"_s);
    EXPECT_EQ(report.orderCount, 3);
    ASSERT_EQ(report.refused.size(), 3);
    const struct
    {
        Level level;
        QString group, instrId, endToEndId, amount, recipient, iban, reason, message;
    } expected[] = {
        {Level::Order, u"UN202612080001-G1"_s, u"UN202612080001-2"_s, u"HR01102-3057-89016"_s, u"1234.56"_s,
         u"Udruga Šapica"_s, u"HR1210010051863000160"_s, u"AC04"_s, u"Račun je zatvoren"_s},
        {Level::Order, u"UN202612080001-G1"_s, u"UN202612080001-3"_s, u"HR99"_s, u"10.00"_s, u"Marko Marić"_s,
         u"HR7023400091510946338"_s, u"NARR"_s, u"Razlog je opisan u tekstu: Primatelj ne prima uplate"_s},
        {Level::Group, u"UN202612080001-G2"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"AM04"_s,
         u"Banka je odbila cijelu grupu naloga UN202612080001-G2: Nema dovoljno sredstava na računu"_s},
    };
    for (qsizetype i = 0; i < report.refused.size(); ++i) {
        const Pain002::RefusedOrder &got = report.refused[i];
        const auto &want = expected[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(std::tie(got.level, got.paymentInfoId, got.instrId, got.endToEndId, got.amount,
                           got.recipient, got.iban, got.reason, got.message),
                  std::tie(want.level, want.group, want.instrId, want.endToEndId, want.amount, want.recipient,
                           want.iban, want.reason, want.message));
    }
    // The order the report accepts beside them, by its ids.
    ASSERT_EQ(report.accepted.size(), 1);
    EXPECT_EQ(
        std::tie(report.accepted[0].level, report.accepted[0].paymentInfoId, report.accepted[0].instrId),
        std::make_tuple(Level::Order, expected[0].group, u"UN202612080001-4"_s));
    // The first order back as a slip to correct and send again.
    const Hub3aRecord &slip = report.refused[0].slip;
    const std::pair<F, QString> fields[] = {
        {F::PayerName, u"Ivana Horvat"_s},          {F::PayerStreet, u"Ilica 1"_s},
        {F::PayerPlace, u"10000 Zagreb"_s},         {F::RecipientName, u"Udruga Šapica"_s},
        {F::RecipientStreet, u"Franjčevićeva 43"_s}, {F::RecipientPlace, u"10361 Dumovec"_s},
        {F::PayerIban, u"HR7023400091510946338"_s}, {F::PayerModel, u"HR01"_s},
        {F::PayerReference, u"102-3057-89016"_s},   {F::RecipientIban, u"HR1210010051863000160"_s},
        {F::RecipientModel, u"HR68"_s},             {F::RecipientReference, u"8214-12345678903"_s},
        {F::Description, u"Donacija za hranu"_s},   {F::Amount, u"1.234,56"_s},
        {F::ExecutionDate, u"10122026"_s},
    };
    for (const auto &[field, text] : fields)
        EXPECT_EQ(slip[field], text) << hub3aField(field).key;
}

TEST(Pain002, ReadsAnAnswerWithoutRefusals)
{
    const Pain002::Report report = Pain002::read(sample("pain002-accepted.xml"));
    EXPECT_EQ(report.originalMessageId, u"UN202612080001"_s);
    EXPECT_TRUE(report.refused.isEmpty());
}

TEST(Pain002, ReadsAWholeFileRefused)
{
    const Pain002::Report report = Pain002::read(sample("pain002-file-refused.xml"));
    ASSERT_EQ(report.refused.size(), 1);
    EXPECT_EQ(report.refused[0].level, Level::Message);
    EXPECT_EQ(report.refused[0].reason, u"FF01"_s);
    EXPECT_EQ(report.refused[0].message,
              u"Banka je odbila cijelu datoteku UN202612080002: Neispravan format datoteke ili naloga"_s);
}

TEST(Pain002, ExplainsTheCommonReasonCodes)
{
    for (const char *code : {"AC01", "AC04", "AC06", "AG01", "AM04", "AM05", "BE04", "DUPL", "FF01", "MS03",
                             "NARR", "RC01", "RR01", "RR02", "RR03", "RR04"}) {
        const QString text = Pain002::reasonText(QLatin1StringView(code));
        EXPECT_FALSE(text.contains(QLatin1StringView(code))) << code << ": " << text.toStdString();
    }
    EXPECT_EQ(Pain002::reasonText(u"XY99"_s), u"Razlog XY99 (pogledajte popis ISO razloga ili pitajte banku)"_s);
}

TEST(Pain002, RefusesWhatIsNoStatusReport)
{
    const auto withAttributes = [](int count) {
        QByteArray attributes;
        for (int i = 0; i < count; ++i)
            attributes += " a" + QByteArray::number(i) + "=\"\"";
        return "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:pain.002.001.10\"><CstmrPmtStsRpt><GrpHdr" +
               attributes + "/></CstmrPmtStsRpt></Document>";
    };
    const QByteArray deep = QByteArray("<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:pain.002.001.10\">"
                                       "<CstmrPmtStsRpt>") +
                            QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000) +
                            "</CstmrPmtStsRpt></Document>";
    const struct
    {
        const char *name;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"not XML", "PK\x03\x04 zip"},
        {"a pain.001", "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:scthr:pain.001.001.09\"><CstmrCdtTrfInitn/></Document>"},
        {"no namespace", "<Document><CstmrPmtStsRpt/></Document>"},
        {"broken", "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:pain.002.001.10\"><CstmrPmtStsRpt><GrpHdr>"},
        {"entities", "<?xml version=\"1.0\"?><!DOCTYPE d [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;\">]>"
                     "<Document xmlns=\"urn:iso:std:iso:20022:tech:xsd:pain.002.001.10\"><CstmrPmtStsRpt>&b;"
                     "</CstmrPmtStsRpt></Document>"},
        {"deep", deep},
        {"an element with too many attributes", withAttributes(Pain002::mostAttributes + 1)},
        {"300,000 attributes on one element", withAttributes(300'000)},
        {"too large", QByteArray(Pain002::largestReport + 1, ' ')},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString error = thrownErrorOf([&] { Pain002::read(c.bytes); });
        EXPECT_TRUE(error.startsWith(u"Datoteka nije izvješće banke pain.002"_s)) << error.toStdString();
    }
    EXPECT_EQ(thrownErrorOf([&] { Pain002::read(withAttributes(300'000)); }),
              u"Datoteka nije izvješće banke pain.002: element ima više od %1 atributa"_s.arg(Pain002::mostAttributes));
    EXPECT_EQ(thrownErrorOf([&] { Pain002::read(withAttributes(Pain002::mostAttributes)); }), QString());
}

TEST(Pain002, ReadsAFileAPieceAtATimeAndStopsWhenCancelled)
{
    const QString sample = testDataPath("bankfile/pain002-refused.xml");
    qint64 lastRead = 0, size = 0;
    const std::optional<Pain002::Report> report =
        Pain002::readFile(sample, {[&](qint64 bytesRead, qint64 bytes) { lastRead = bytesRead, size = bytes; }, {}});
    ASSERT_TRUE(report);
    EXPECT_EQ(report->refused.size(), 3);
    EXPECT_EQ(size, QFileInfo(sample).size());
    EXPECT_EQ(lastRead, size);
    EXPECT_FALSE(Pain002::readFile(sample, {{}, [] { return true; }}));
}

TEST(Pain002, RefusesALargeFileOrAPipeBeforeReadingIt)
{
    QTemporaryDir dir;
    const QString large = dir.filePath(u"large.xml"_s), pipe = dir.filePath(u"pipe.xml"_s);
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(qint64(1536) << 20)); // sparse: takes no disk
    file.close();
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const struct
    {
        QString path;
        QString error;
    } cases[] = {
        {large, u"Datoteka nije izvješće banke pain.002: veća je od 64 MB"_s},
        {pipe, u"Datoteka %1 ne može se otvoriti"_s.arg(pipe)},
    };
    for (const auto &c : cases) {
        bool read = false;
        EXPECT_EQ(thrownErrorOf([&] { Pain002::readFile(c.path, {[&](qint64, qint64) { read = true; }, {}}); }),
                  c.error);
        EXPECT_FALSE(read) << c.path.toStdString();
    }
}

} // namespace
