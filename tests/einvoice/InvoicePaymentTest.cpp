#include "einvoice/InvoicePayment.h"
#include "einvoice/EInvoiceReader.h"

#include "EInvoiceXml.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using F = Hub3aField;
const QDate today(2026, 12, 10);

InvoicePayment paymentOf(const std::function<void(EInvoiceXml::Invoice &)> &change)
{
    EInvoiceXml::Invoice invoice;
    change(invoice);
    return invoicePayment(EInvoiceReader::read(EInvoiceXml::ubl(invoice)), today);
}

TEST(InvoicePayment, ACroatianInvoiceIsASlipThatPays)
{
    const InvoicePayment payment = paymentOf([](EInvoiceXml::Invoice &) {});
    ASSERT_TRUE(payment.record);
    const Hub3aRecord &slip = *payment.record;
    EXPECT_EQ(slip[F::RecipientName], u"Tvrtka d.o.o."_s);
    EXPECT_EQ(slip[F::RecipientStreet], u"Ilica 1"_s);
    EXPECT_EQ(slip[F::RecipientPlace], u"10000 Zagreb"_s);
    EXPECT_EQ(slip[F::RecipientIban], u"HR1210010051863000160"_s);
    EXPECT_EQ(slip[F::RecipientModel], u"HR01"_s);
    EXPECT_EQ(slip[F::RecipientReference], u"102-3057-89016"_s);
    EXPECT_EQ(slip[F::Amount], u"250,33"_s);
    EXPECT_EQ(slip[F::Description], u"Račun 2026-17, Tvrtka d.o.o."_s);
    EXPECT_EQ(slip[F::ExecutionDate], u"20122026"_s);
    EXPECT_EQ(payment.verdict, QString());
    EXPECT_FALSE(payment.overdue);
    EXPECT_EQ(payment.identity, u"HR12345678903|2026-17"_s);
}

struct NothingCase
{
    const char *name;
    std::function<void(EInvoiceXml::Invoice &)> change;
    const char *why;
};

class NothingToPay : public testing::TestWithParam<NothingCase>
{
};

TEST_P(NothingToPay, GivesNoSlipAndSaysWhy)
{
    const InvoicePayment payment = paymentOf(GetParam().change);
    EXPECT_FALSE(payment.record);
    EXPECT_TRUE(payment.nothingToPay.contains(QString::fromUtf8(GetParam().why)))
        << payment.nothingToPay.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    , NothingToPay,
    testing::Values(
        NothingCase{"CreditNote", [](EInvoiceXml::Invoice &i) { i.creditNote = true; }, "Odobrenje"},
        NothingCase{"CreditNoteTypeOnAnInvoice", [](EInvoiceXml::Invoice &i) { i.typeCode = u"381"_s; },
                    "Odobrenje"},
        NothingCase{"Prepaid", [](EInvoiceXml::Invoice &i) { i.amount = u"0.00"_s; }, "0,00 EUR"},
        NothingCase{"Negative", [](EInvoiceXml::Invoice &i) { i.amount = u"-12.50"_s; },
                    "negativan (-12,50 EUR)"},
        NothingCase{"ForeignCurrency", [](EInvoiceXml::Invoice &i) { i.currency = u"USD"_s; }, "valuti USD"},
        NothingCase{"DirectDebit",
                    [](EInvoiceXml::Invoice &i) {
                        i.means = {{u"49"_s, {}, {}, {}}};
                    },
                    "izravnim terećenjem (način plaćanja 49)"},
        NothingCase{"Card",
                    [](EInvoiceXml::Invoice &i) {
                        i.means = {{u"48"_s, {}, {}, {}}};
                    },
                    "karticom"},
        NothingCase{"TransferWithoutIban",
                    [](EInvoiceXml::Invoice &i) {
                        i.means = {{u"30"_s, {}, {}, {}}};
                    },
                    "ne navodi IBAN"},
        NothingCase{"Cash", [](EInvoiceXml::Invoice &i) { i.means[0].code = u"10"_s; }, "Način plaćanja 10"},
        NothingCase{"NoMeans", [](EInvoiceXml::Invoice &i) { i.means.clear(); }, "ne navodi način plaćanja"},
        NothingCase{"AmountNotANumber", [](EInvoiceXml::Invoice &i) { i.amount = u"12,50"_s; },
                    "nije iznos"}),
    [](const testing::TestParamInfo<NothingCase> &info) { return std::string(info.param.name); });

struct FieldCase
{
    const char *name;
    std::function<void(EInvoiceXml::Invoice &)> change;
    F field;
    QString expected;
    const char *verdict; // a part of the verdict; empty when the slip pays
};

class InvoiceFields : public testing::TestWithParam<FieldCase>
{
};

TEST_P(InvoiceFields, MapToTheSlip)
{
    const InvoicePayment payment = paymentOf(GetParam().change);
    ASSERT_TRUE(payment.record) << payment.nothingToPay.toStdString();
    EXPECT_EQ((*payment.record)[GetParam().field], GetParam().expected);
    const QString verdict = QString::fromUtf8(GetParam().verdict);
    if (verdict.isEmpty())
        EXPECT_EQ(payment.verdict, QString());
    else
        EXPECT_TRUE(payment.verdict.contains(verdict)) << payment.verdict.toStdString();
}

const QString seventy = u"Vrlo dugačak naziv trgovačkog društva za proizvodnju i prodaju robe d.o.o"_s;

INSTANTIATE_TEST_SUITE_P(
    , InvoiceFields,
    testing::Values(
        FieldCase{"PayeeIsPaid", [](EInvoiceXml::Invoice &i) { i.payee = u"Faktor d.d."_s; },
                  F::RecipientName, u"Faktor d.d."_s, ""},
        FieldCase{"ReferenceWithoutSpace",
                  [](EInvoiceXml::Invoice &i) { i.means[0].reference = u"HR01102-3057-89016"_s; },
                  F::RecipientReference, u"102-3057-89016"_s, ""},
        FieldCase{"ReferenceWithWrongCheckDigit",
                  [](EInvoiceXml::Invoice &i) { i.means[0].reference = u"HR01 102-3057-89017"_s; },
                  F::RecipientReference, u"102-3057-89017"_s, "kontrolni broj"},
        FieldCase{"CreditorReferenceUnderHr99",
                  [](EInvoiceXml::Invoice &i) { i.means[0].reference = u"RF18 5390 0754 7034"_s; },
                  F::Description, u"RF18539007547034"_s, ""},
        FieldCase{"CreditorReferenceWithWrongCheckDigits",
                  [](EInvoiceXml::Invoice &i) { i.means[0].reference = u"RF19 5390 0754 7034"_s; },
                  F::Description, u"RF19 5390 0754 7034"_s, "nije ispravna"},
        FieldCase{"FreeTextUnderHr99",
                  [](EInvoiceXml::Invoice &i) { i.means[0].reference = u"Ugovor 15/2026"_s; },
                  F::RecipientModel, u"HR99"_s, ""},
        FieldCase{"PaymentNoteDescribes",
                  [](EInvoiceXml::Invoice &i) { i.means[0].note = u"Najam za prosinac"_s; }, F::Description,
                  u"Najam za prosinac"_s, ""},
        FieldCase{"IbanInGroups",
                  [](EInvoiceXml::Invoice &i) { i.means[0].iban = u"HR12 1001 0051 8630 0016 0"_s; },
                  F::RecipientIban, u"HR1210010051863000160"_s, ""},
        FieldCase{"CroatianIbanPreferred",
                  [](EInvoiceXml::Invoice &i) {
                      i.means.prepend({u"58"_s, u"NL57RABO0107307510"_s, {}, {}});
                      i.means.append({u"48"_s, {}, {}, {}});
                  },
                  F::RecipientIban, u"HR1210010051863000160"_s, ""},
        FieldCase{"AccountAbroadPaysByBankFile",
                  [](EInvoiceXml::Invoice &i) {
                      i.means = {{u"58"_s, u"DE89370400440532013000"_s, {}, {}}};
                  },
                  F::RecipientIban, u"DE89370400440532013000"_s, ""},
        FieldCase{"WrongIban", [](EInvoiceXml::Invoice &i) { i.means[0].iban = u"HR1210010051863000161"_s; },
                  F::RecipientIban, u"HR1210010051863000161"_s, "IBAN"},
        FieldCase{"LongNameReportedNotCutSilently", [](EInvoiceXml::Invoice &i) { i.sellerName = seventy; },
                  F::RecipientName, seventy.left(25).trimmed(), "naziv primatelja"},
        FieldCase{"OverdueIsPaidToday", [](EInvoiceXml::Invoice &i) { i.due = u"2026-11-30"_s; },
                  F::ExecutionDate, u"10122026"_s, ""},
        FieldCase{"NoDueDateLeavesTheDateToTheBank", [](EInvoiceXml::Invoice &i) { i.due.clear(); },
                  F::ExecutionDate, QString(), ""}),
    [](const testing::TestParamInfo<FieldCase> &info) { return std::string(info.param.name); });

TEST(InvoicePayment, ListsTheOtherAccountsAndMarksAnOverdueInvoice)
{
    const InvoicePayment payment = paymentOf([](EInvoiceXml::Invoice &i) {
        i.means.prepend({u"58"_s, u"NL57 RABO 0107307510"_s, {}, {}});
        i.due = u"2026-12-09"_s;
    });
    EXPECT_EQ(payment.remarks, QStringList{u"Račun navodi i druge račune primatelja: NL57RABO0107307510"_s});
    EXPECT_TRUE(payment.overdue);
    EXPECT_EQ(payment.due, QDate(2026, 12, 9));
}

TEST(InvoicePayment, ACiiInvoiceIsTheSameSlip)
{
    EInvoiceXml::Invoice invoice;
    const InvoicePayment ubl = invoicePayment(EInvoiceReader::read(EInvoiceXml::ubl(invoice)), today);
    const InvoicePayment cii = invoicePayment(EInvoiceReader::read(EInvoiceXml::cii(invoice)), today);
    ASSERT_TRUE(ubl.record && cii.record);
    EXPECT_EQ(cii.record->texts, ubl.record->texts);
    EXPECT_EQ(cii.identity, ubl.identity);
}

TEST(InvoicePayment, IdentityFallsBackToTheSellersName)
{
    EInvoice invoice;
    invoice.sellerName = u" Obrt  Ivo "_s;
    invoice.number = u"7/1/1"_s;
    EXPECT_EQ(invoiceIdentity(invoice), u"OBRT IVO|7/1/1"_s);
    invoice.sellerVat = u"hr 12345678903"_s;
    EXPECT_EQ(invoiceIdentity(invoice), u"HR12345678903|7/1/1"_s);
}

} // namespace
