#include "einvoice/EInvoiceReader.h"
#include "model/UserError.h"

#include "EInvoiceXml.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct SyntaxCase
{
    const char *name;
    QByteArray (*write)(const EInvoiceXml::Invoice &);
    bool otherPrefixes; // the sender's own prefixes for the components
    EInvoice::Syntax syntax;
};

class EInvoiceSyntaxes : public testing::TestWithParam<SyntaxCase>
{
};

// Every syntax and any prefix give the same payment fields.
TEST_P(EInvoiceSyntaxes, ReadsThePaymentFieldsByNamespace)
{
    EInvoiceXml::Invoice written;
    if (GetParam().otherPrefixes) {
        written.cac = u"a"_s;
        written.cbc = u"b"_s;
        written.ram = u"q"_s;
    }
    written.payee = u"Faktor d.d."_s;
    written.means = {{u"58"_s, u"NL57 RABO 0107307510"_s, u"RF18 5390 0754 7034"_s, {}},
                     EInvoiceXml::Means()};
    const EInvoice read = EInvoiceReader::read(GetParam().write(written));
    EXPECT_EQ(read.syntax, GetParam().syntax);
    EXPECT_EQ(read.number, u"2026-17"_s);
    EXPECT_EQ(read.typeCode, u"380"_s);
    EXPECT_EQ(read.due, QDate(2026, 12, 20));
    EXPECT_EQ(read.issued, QDate(2026, 12, 1));
    EXPECT_EQ(read.currency, u"EUR"_s);
    EXPECT_EQ(read.sellerName, u"Tvrtka d.o.o."_s);
    EXPECT_EQ(read.sellerVat, u"HR12345678903"_s);
    EXPECT_EQ(read.sellerStreet, u"Ilica 1"_s);
    EXPECT_EQ(read.sellerCity, u"Zagreb"_s);
    EXPECT_EQ(read.sellerPostCode, u"10000"_s);
    EXPECT_EQ(read.sellerCountry, u"HR"_s);
    EXPECT_EQ(read.payeeName, u"Faktor d.d."_s);
    EXPECT_EQ(read.amountDue, u"250.33"_s);
    ASSERT_EQ(read.means.size(), 2);
    EXPECT_EQ(read.means[0].code, u"58"_s);
    EXPECT_EQ(read.means[0].iban, u"NL57 RABO 0107307510"_s);
    EXPECT_EQ(read.means[0].reference, u"RF18 5390 0754 7034"_s);
    EXPECT_EQ(read.means[1].iban, u"HR1210010051863000160"_s);
}

INSTANTIATE_TEST_SUITE_P(
    , EInvoiceSyntaxes,
    testing::Values(SyntaxCase{"UblUsualPrefixes", EInvoiceXml::ubl, false, EInvoice::Syntax::UblInvoice},
                    SyntaxCase{"UblOtherPrefixes", EInvoiceXml::ubl, true, EInvoice::Syntax::UblInvoice},
                    SyntaxCase{"Cii", EInvoiceXml::cii, false, EInvoice::Syntax::Cii},
                    SyntaxCase{"CiiOtherPrefix", EInvoiceXml::cii, true, EInvoice::Syntax::Cii}),
    [](const testing::TestParamInfo<SyntaxCase> &info) { return std::string(info.param.name); });

TEST(EInvoiceReader, TakesACreditNotesDueDateFromItsMeansAndKnowsItForOne)
{
    EInvoiceXml::Invoice written;
    written.creditNote = true;
    written.typeCode = u"381"_s;
    const EInvoice read = EInvoiceReader::read(EInvoiceXml::ubl(written));
    EXPECT_EQ(read.syntax, EInvoice::Syntax::UblCreditNote);
    EXPECT_TRUE(read.creditNote());
    EXPECT_FALSE(read.due.isValid());
    ASSERT_EQ(read.means.size(), 1);
    EXPECT_EQ(read.means[0].due, QDate(2026, 12, 20));
}

TEST(EInvoiceReader, KeepsTheEmbeddedPdfsUpToTheirLimit)
{
    EInvoiceXml::Invoice written;
    const QByteArray small = "%PDF-1.4 picture";
    const QByteArray large(EInvoiceReader::largestPicture, 'x'); // larger once in base64
    written.pictures = {small, large, small};
    const EInvoice read = EInvoiceReader::read(EInvoiceXml::ubl(written));
    EXPECT_EQ(read.pictures, (QList<QByteArray>{small, small}));
    EXPECT_EQ(read.number, u"2026-17"_s);
}

struct HostileCase
{
    const char *name;
    QByteArray bytes;
    const char *message;
};

class HostileInvoices : public testing::TestWithParam<HostileCase>
{
};

TEST_P(HostileInvoices, AreRefusedSayingWhy)
{
    try {
        EInvoiceReader::read(GetParam().bytes);
        FAIL() << "read";
    } catch (const UserError &e) {
        EXPECT_TRUE(e.text().startsWith(u"Datoteka nije e-račun: "_s)) << e.text().toStdString();
        EXPECT_TRUE(e.text().contains(QString::fromUtf8(GetParam().message))) << e.text().toStdString();
    }
}

QByteArray ublRootWith(const QByteArray &inside, const QByteArray &attributes = {})
{
    return "<Invoice xmlns='urn:oasis:names:specification:ubl:schema:xsd:Invoice-2' " + attributes + ">" +
           inside + "</Invoice>";
}

QByteArray nested(int depth)
{
    return ublRootWith(QByteArray("<a>").repeated(depth) + QByteArray("</a>").repeated(depth));
}

QByteArray manyAttributes(int count)
{
    QByteArray attributes;
    for (int i = 0; i < count; ++i)
        attributes += "a" + QByteArray::number(i) + "='1' ";
    return ublRootWith({}, attributes);
}

INSTANTIATE_TEST_SUITE_P(
    , HostileInvoices,
    testing::Values(
        HostileCase{
            "Entities",
            "<?xml version='1.0'?><!DOCTYPE Invoice [<!ENTITY a 'aaaaaaaaaa'><!ENTITY b '&a;&a;&a;'>]>" +
                ublRootWith("<x>&b;</x>"),
            "ima DTD ili entitete"},
        HostileCase{"ExternalDtd", "<!DOCTYPE Invoice SYSTEM 'file:///etc/passwd'>" + ublRootWith({}),
                    "ima DTD ili entitete"},
        HostileCase{"DeepNesting", nested(EInvoiceReader::deepestNesting + 1), "ugniježđeni dublje od 60"},
        HostileCase{"ManyAttributes", manyAttributes(EInvoiceReader::mostAttributes + 1),
                    "više od 64 atributa"},
        HostileCase{"HugeAttribute",
                    ublRootWith({}, "a='" + QByteArray(EInvoiceReader::largestInvoice, 'x') + "'"),
                    "veći je od 64 MB"},
        HostileCase{"OtherDocument", "<Document xmlns='urn:iso:std:iso:20022:tech:xsd:pain.002.001.10'/>",
                    "korijen je Document"},
        HostileCase{"InvoiceInAnotherNamespace", "<Invoice xmlns='urn:example'/>", "korijen je Invoice"},
        HostileCase{"Broken", ublRootWith("<cbc:ID>1</cbc:ID>"), "cbc"},
        HostileCase{"Empty", "", "datoteka je prazna"}),
    [](const testing::TestParamInfo<HostileCase> &info) { return std::string(info.param.name); });

TEST(EInvoiceReader, NestingJustWithinTheBoundIsRead)
{
    EXPECT_NO_THROW(EInvoiceReader::read(nested(EInvoiceReader::deepestNesting)));
}

} // namespace
