#include "BankFixtures.h"
#include "FileBytes.h"
#include "FixedClock.h"
#include "NearlyFullDisk.h"
#include "SchemaCheck.h"
#include "TemporaryStore.h"
#include "ThrownError.h"
#include "bankfile/BankText.h"
#include "bankfile/PostalAddress.h"
#include "payments/Hub3aChecks.h"
#include "payments/ReferenceModels.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <cmath>

#include <gtest/gtest.h>

namespace Pain001 {
void PrintTo(const OrderProblem &problem, std::ostream *out)
{
    *out << "row " << problem.row << ", field " << (problem.field ? hub3aField(*problem.field).key : "-") << ": "
         << problem.message.toStdString();
}
} // namespace Pain001

namespace {

using namespace Qt::StringLiterals;
using namespace BankFixtures;

const char *const scthr = "scthr_pain.001.001.09.xsd";
const QString tx = u"/p:Document/p:CstmrCdtTrfInitn/p:PmtInf/p:CdtTrfTxInf/"_s;
const QString group = u"/p:Document/p:CstmrCdtTrfInitn/p:PmtInf/"_s;
const QString header = u"/p:Document/p:CstmrCdtTrfInitn/p:GrpHdr/"_s;

TEST(Pain001, GroupsTwoPayersTwoDatesAndAnUrgentOrder)
{
    const QString otherPayer = u"HR1210010051863000160"_s;
    Pain001::Result result;
    const QByteArray xml = written(
        {
            order({{F::Amount, u"1,00"_s}}),                                        // A, today
            order({{F::Amount, u"2,00"_s}, {F::PayerIban, otherPayer},              // B, today
                   {F::PayerName, u"Marko Marić"_s}, {F::RecipientIban, u"HR7023400091510946338"_s}}),
            order({{F::Amount, u"3,00"_s}, {F::ExecutionDate, u"20122026"_s}}),     // A, 20.12.
            order({{F::Amount, u"4,00"_s}, {F::Urgent, u"1"_s}}),                   // A, today, urgent
            order({{F::Amount, u"5,00"_s}, {F::ExecutionDate, u"08122026"_s}}),     // A, today again
        },
        options(), &result);
    EXPECT_SCHEMA_VALID(xml, "scthr_pain.001.001.09.xsd");
    EXPECT_EQ(result.written, 5);
    EXPECT_EQ(result.groups, 4);
    EXPECT_EQ(result.totalCents, 1500);
    EXPECT_EQ(xpathTexts(xml, header + u"p:NbOfTxs"_s), QStringList{u"5"_s});
    EXPECT_EQ(xpathTexts(xml, header + u"p:CtrlSum"_s), QStringList{u"15.00"_s});
    EXPECT_EQ(xpathTexts(xml, group + u"p:NbOfTxs"_s), (QStringList{u"2"_s, u"1"_s, u"1"_s, u"1"_s}));
    EXPECT_EQ(xpathTexts(xml, group + u"p:CtrlSum"_s), (QStringList{u"6.00"_s, u"2.00"_s, u"3.00"_s, u"4.00"_s}));
    EXPECT_EQ(xpathTexts(xml, group + u"p:ReqdExctnDt/p:Dt"_s),
              (QStringList{u"2026-12-08"_s, u"2026-12-08"_s, u"2026-12-20"_s, u"2026-12-08"_s}));
    EXPECT_EQ(xpathTexts(xml, group + u"p:PmtTpInf/p:InstrPrty"_s),
              (QStringList{u"NORM"_s, u"NORM"_s, u"NORM"_s, u"HIGH"_s}));
    EXPECT_EQ(xpathTexts(xml, group + u"p:DbtrAcct/p:Id/p:IBAN"_s),
              (QStringList{u"HR7023400091510946338"_s, otherPayer, u"HR7023400091510946338"_s,
                           u"HR7023400091510946338"_s}));
    // The payment type, the charge bearer and the payer's bank once, at the group's level.
    EXPECT_EQ(xpathTexts(xml, group + u"p:ChrgBr"_s).size(), 4);
    EXPECT_TRUE(xpathTexts(xml, tx + u"p:ChrgBr"_s).isEmpty());
    EXPECT_TRUE(xpathTexts(xml, tx + u"p:PmtTpInf"_s).isEmpty());
    EXPECT_EQ(xpathTexts(xml, group + u"p:DbtrAgt/p:FinInstnId/p:Othr/p:Id"_s).size(), 4);
    EXPECT_EQ(xpathTexts(xml, header + u"p:MsgId"_s), QStringList{u"UN202612080001"_s});
    EXPECT_EQ(xpathTexts(xml, header + u"p:CreDtTm"_s), QStringList{u"2026-12-08T10:15:30"_s});
    const QStringList groupIds = xpathTexts(xml, group + u"p:PmtInfId"_s);
    const QStringList instrIds = xpathTexts(xml, tx + u"p:PmtId/p:InstrId"_s);
    EXPECT_EQ(QSet<QString>(groupIds.begin(), groupIds.end()).size(), 4);
    EXPECT_EQ(instrIds, (QStringList{u"UN202612080001-1"_s, u"UN202612080001-5"_s, u"UN202612080001-2"_s,
                                     u"UN202612080001-3"_s, u"UN202612080001-4"_s}));
}

TEST(Pain001, MapsTheFieldsOfASlip)
{
    const struct
    {
        const char *name;
        Fields changes;
        QString path; // below CdtTrfTxInf, or absolute
        QStringList texts;
    } cases[] = {
        {"payer model and reference, no space", {}, u"p:PmtId/p:EndToEndId"_s, {u"HR01102-3057-89016"_s}},
        {"empty payer reference", {{F::PayerModel, u""_s}, {F::PayerReference, u""_s}}, u"p:PmtId/p:EndToEndId"_s,
         {u"HR99"_s}},
        {"reference without a model", {{F::PayerModel, u""_s}, {F::PayerReference, u"12345"_s}},
         u"p:PmtId/p:EndToEndId"_s, {u"HR0012345"_s}},
        {"recipient reference", {}, u"p:RmtInf/p:Strd/p:CdtrRefInf/p:Ref"_s, {u"HR688214-12345678903"_s}},
        {"SCOR", {}, u"p:RmtInf/p:Strd/p:CdtrRefInf/p:Tp/p:CdOrPrtry/p:Cd"_s, {u"SCOR"_s}},
        {"empty recipient reference", {{F::RecipientModel, u""_s}, {F::RecipientReference, u""_s}},
         u"p:RmtInf/p:Strd/p:CdtrRefInf/p:Ref"_s, {u"HR99"_s}},
        {"description", {}, u"p:RmtInf/p:Strd/p:AddtlRmtInf"_s, {u"Donacija za hranu"_s}},
        {"no unstructured text", {}, u"p:RmtInf/p:Ustrd"_s, {}},
        {"purpose", {}, u"p:Purp/p:Cd"_s, {u"OTHR"_s}},
        {"no purpose", {{F::PurposeCode, u""_s}}, u"p:Purp"_s, {}},
        {"smallest amount", {{F::Amount, u"0,01"_s}}, u"p:Amt/p:InstdAmt"_s, {u"0.01"_s}},
        {"largest amount", {{F::Amount, u"999.999.999,99"_s}}, u"p:Amt/p:InstdAmt"_s, {u"999999999.99"_s}},
        {"in euro", {}, u"p:Amt/p:InstdAmt/@Ccy"_s, {u"EUR"_s}},
        {"Croatian letters", {{F::RecipientName, u"ČĆĐŠŽ čćđšž"_s}}, u"p:Cdtr/p:Nm"_s, {u"ČĆĐŠŽ čćđšž"_s}},
        {"structured address", {}, u"p:Cdtr/p:PstlAdr/*"_s,
         {u"Franjčevićeva"_s, u"43"_s, u"10361"_s, u"Dumovec"_s, u"HR"_s}},
        {"a street without a number", {{F::RecipientStreet, u"Trg bana Jelačića"_s}}, u"p:Cdtr/p:PstlAdr/*"_s,
         {u"10361"_s, u"Dumovec"_s, u"HR"_s, u"Trg bana Jelačića"_s}},
        {"a place without a post code", {{F::RecipientPlace, u"Dumovec"_s}}, u"p:Cdtr/p:PstlAdr/*"_s,
         {u"Franjčevićeva"_s, u"43"_s, u"Dumovec"_s, u"HR"_s}},
        {"no recipient address", {{F::RecipientStreet, u""_s}, {F::RecipientPlace, u""_s}}, u"p:Cdtr/p:PstlAdr"_s, {}},
        {"a country the place names", {{F::RecipientPlace, u"1000 Ljubljana, Slovenija"_s}}, u"p:Cdtr/p:PstlAdr/*"_s,
         {u"Franjčevićeva"_s, u"43"_s, u"1000"_s, u"Ljubljana"_s, u"SI"_s}},
        {"payer address", {}, group + u"p:Dbtr/p:PstlAdr/*"_s, {u"Ilica"_s, u"1"_s, u"10000"_s, u"Zagreb"_s, u"HR"_s}},
        {"service level", {}, group + u"p:PmtTpInf/p:SvcLvl/p:Cd"_s, {u"SEPA"_s}},
        {"urgent: no SEPA service level", {{F::Urgent, u"1"_s}}, group + u"p:PmtTpInf/p:SvcLvl"_s, {}},
        {"payer's bank not given", {}, group + u"p:DbtrAgt/p:FinInstnId/p:Othr/p:Id"_s, {u"NOTPROVIDED"_s}},
        {"charges shared", {}, group + u"p:ChrgBr"_s, {u"SLEV"_s}},
        {"today when no date", {}, group + u"p:ReqdExctnDt/p:Dt"_s, {u"2026-12-08"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Pain001::Result result;
        const QByteArray xml = written({order(c.changes)}, options(), &result);
        ASSERT_EQ(result.written, 1) << (result.refused.isEmpty() ? "" : result.refused[0].message.toStdString());
        EXPECT_EQ(xpathTexts(xml, c.path.startsWith(u'/') ? c.path : tx + c.path), c.texts);
        EXPECT_SCHEMA_VALID(xml, "scthr_pain.001.001.09.xsd");
    }
}

// A reference that model's checks take, found by trying the last digit of each element.
QString validReference(int model)
{
    const ModelRule *rule = findModelRule(model);
    if (!rule)
        return {};
    const QString digits = u"5432198765432198765432"_s;
    for (int count = std::max(rule->minElements, 1); count <= rule->maxElements; ++count) {
        QStringList elements;
        for (int i = 0; i < count; ++i) {
            const ElementRule &element = rule->elements[static_cast<size_t>(i)];
            int length = 4;
            if (!(element.lengths & exactly(4))) {
                length = 1;
                while (length < 31 && !(element.lengths & exactly(length)))
                    ++length;
            }
            QString text = digits.left(length);
            if (element.firstDigits)
                text[0] = QChar(u'0' + (element.firstDigits[0] - '0'));
            elements.append(text);
        }
        // The last digit of each element, or the last two of one or two elements (a pair of check digits).
        const int varied = count <= 2 ? 2 : 1;
        const qsizetype tries = static_cast<qsizetype>(std::pow(10, count * varied));
        for (qsizetype attempt = 0; attempt < tries; ++attempt) {
            qsizetype rest = attempt;
            for (QString &element : elements) {
                for (int place = 1; place <= varied; ++place) {
                    if (element.size() > place)
                        element[element.size() - place] = QChar(u'0' + static_cast<char16_t>(rest % 10));
                    rest /= 10;
                }
            }
            const QString reference = elements.join(u'-');
            if (reference.size() <= 22 &&
                !checkHub3aPaymentField(hub3aPaymentFields()[3], reference, modelName(model)).failed())
                return reference;
        }
    }
    return {};
}

TEST(Pain001, WritesEveryModel)
{
    QList<Hub3aRecord> records;
    QStringList expected;
    for (int model = 0; model <= 99; ++model) {
        if (!findModelRule(model) || model == 99)
            continue;
        const QString reference = validReference(model);
        ASSERT_FALSE(reference.isEmpty()) << "no reference found for model " << model;
        records.append(order({{F::RecipientModel, modelName(model)}, {F::RecipientReference, reference},
                              {F::PayerModel, modelName(model)}, {F::PayerReference, reference}}));
        expected.append(modelName(model) + reference);
    }
    records.append(order({{F::RecipientModel, u"HR99"_s}, {F::RecipientReference, u""_s}}));
    expected.append(u"HR99"_s);
    Pain001::Result result;
    const QByteArray xml = written(records, options(), &result);
    EXPECT_TRUE(result.refused.isEmpty()) << result.refused.value(0).message.toStdString();
    EXPECT_EQ(xpathTexts(xml, tx + u"p:RmtInf/p:Strd/p:CdtrRefInf/p:Ref"_s), expected);
    EXPECT_SCHEMA_VALID(xml, "scthr_pain.001.001.09.xsd");
}

TEST(Pain001, WritesAnRfCreditorReferenceAsTheStructuredReferenceAtHomeAndAbroad)
{
    const auto rf = [](const QString &iban, const QString &description) {
        return order({{F::RecipientName, u"Muster AG"_s}, {F::RecipientStreet, u"Hauptstrasse 1"_s},
                      {F::RecipientIban, iban}, {F::RecipientModel, u"HR99"_s},
                      {F::RecipientReference, u""_s},
                      {F::Description, description}});
    };
    Pain001::Result result;
    const QByteArray xml = written({rf(u"HR1210010051863000160"_s, u"RF18539007547034"_s),
                                    rf(u"DE89370400440532013000"_s, u"RF18 5390 0754 7034"_s),
                                    rf(u"HR1210010051863000160"_s, u"RF19539007547034"_s)},
                                   options(), &result);
    EXPECT_TRUE(result.refused.isEmpty()) << result.refused.value(0).message.toStdString();
    EXPECT_SCHEMA_VALID(xml, "scthr_pain.001.001.09.xsd");
    // A wrong RF reference is a description like any other.
    EXPECT_EQ(xpathTexts(xml, tx + u"p:RmtInf/p:Strd/p:CdtrRefInf/p:Ref"_s),
              (QStringList{u"RF18539007547034"_s, u"HR99"_s, u"RF18539007547034"_s}));
    EXPECT_EQ(xpathTexts(xml, tx + u"p:RmtInf/p:Strd/p:AddtlRmtInf"_s), QStringList{u"RF19539007547034"_s});
    EXPECT_EQ(xpathTexts(xml, tx + u"p:RmtInf/p:Ustrd"_s), QStringList());
}

TEST(Pain001, RefusesRowsByRowAndFieldAndWritesTheRest)
{
    const struct
    {
        Fields changes;
        F field;
        QString message;
    } refused[] = {
        {{{F::PayerIban, u"HR7023400091510946339"_s}}, F::PayerIban, u"IBAN platitelja: IBAN nije ispravan (kontrolni broj)"_s},
        {{{F::PayerIban, u""_s}}, F::PayerIban, u"IBAN platitelja: obavezan je u nalogu za banku"_s},
        {{{F::PayerIban, u"BE68539007547034"_s}}, F::PayerIban, u"IBAN platitelja: mora biti hrvatski IBAN (HR)"_s},
        {{{F::Description, u"Račun & opomena"_s}}, F::Description, u"Opis plaćanja: Nedopušteni znakovi: &"_s},
        {{{F::RecipientName, u"-Udruga"_s}}, F::RecipientName, u"Naziv primatelja: ne smije počinjati znakom '-'"_s},
        {{{F::Description, u"Račun 1//2026"_s}}, F::Description, u"Opis plaćanja: ne smije imati dvije kose crte '//' zaredom"_s},
        {{{F::Description, u"/Račun"_s}}, F::Description, u"Opis plaćanja: ne smije počinjati kosom crtom '/'"_s},
        {{{F::PayerName, u" Ivana"_s}}, F::PayerName, u"Naziv platitelja: ne smije počinjati razmakom"_s},
        {{{F::Description, u""_s}}, F::Description, u"Opis plaćanja: obavezan je u nalogu za banku"_s},
        {{{F::Amount, u"1.000.000.000,00"_s}}, F::Amount, u"Iznos: u nalogu za banku od 0,01 do 999.999.999,99"_s},
        {{{F::ExecutionDate, u"07122026"_s}}, F::ExecutionDate, u"Datum izvršenja: 07.12.2026. je prošao"_s},
        {{{F::PayerPlace, u""_s}}, F::PayerPlace, u"Mjesto platitelja: obavezno je uz ulicu platitelja (adresa u nalogu za banku)"_s},
        // Each part of an address keeps the guide's rules at its own start and end.
        {{{F::PayerStreet, u"Ilica/ 5"_s}}, F::PayerStreet, u"Ulica platitelja: naziv ulice 'Ilica/' ne smije završavati kosom crtom '/'"_s},
        {{{F::RecipientPlace, u"10000 -Zagreb"_s}}, F::RecipientPlace, u"Mjesto primatelja: naziv mjesta '-Zagreb' ne smije počinjati znakom '-'"_s},
        {{{F::RecipientIban, u"DE89370400440532013000"_s}, {F::RecipientName, u"Muster AG"_s}, {F::RecipientStreet, u""_s},
          {F::RecipientPlace, u""_s}, {F::RecipientModel, u""_s}, {F::RecipientReference, u""_s}},
         F::RecipientPlace, u"Mjesto primatelja: obavezno je za primatelja izvan Hrvatske (mjesto i država)"_s},
    };
    QList<Hub3aRecord> records{order()};
    for (const auto &r : refused)
        records.append(order(r.changes));
    records.append(order({{F::Amount, u"2,50"_s}}));
    Pain001::Result result;
    const QByteArray xml = written(records, options(), &result);
    ASSERT_EQ(result.refused.size(), std::size(refused));
    for (size_t i = 0; i < std::size(refused); ++i) {
        SCOPED_TRACE(refused[i].message.toStdString());
        EXPECT_EQ(result.refused[static_cast<qsizetype>(i)],
                  (Pain001::OrderProblem{static_cast<int>(i) + 2, refused[i].field, refused[i].message}));
    }
    EXPECT_EQ(result.written, 2);
    EXPECT_EQ(xpathTexts(xml, header + u"p:NbOfTxs"_s), QStringList{u"2"_s});
    EXPECT_EQ(xpathTexts(xml, header + u"p:CtrlSum"_s), QStringList{u"12.50"_s});
    EXPECT_EQ(xpathTexts(xml, tx + u"p:PmtId/p:InstrId"_s),
              (QStringList{u"UN202612080001-1"_s, u"UN202612080001-%1"_s.arg(std::size(refused) + 2)}));
    EXPECT_SCHEMA_VALID(xml, "scthr_pain.001.001.09.xsd");
}

// Orders abroad: groups of their own, whose payer is written without Croatian letters (said once),
// the recipient's country from the place line or else the IBAN, an IBAN of any length.
TEST(Pain001, WritesOrdersAbroadInGroupsOfTheirOwn)
{
    const Fields payer = {{F::PayerName, u"Žarko Čučić"_s}, {F::PayerStreet, u"Šubićeva 5"_s}};
    const auto abroad = [&payer](const QString &iban, const QString &street, const QString &place) {
        Hub3aRecord record = order(payer);
        for (const auto &[field, text] :
             {std::pair{F::RecipientIban, iban}, {F::RecipientName, u"Muster AG"_s}, {F::RecipientStreet, street},
              {F::RecipientPlace, place}, {F::RecipientModel, u""_s}, {F::RecipientReference, u""_s},
              {F::Description, u"Rechnung 12"_s}})
            record.texts[static_cast<size_t>(field)] = text;
        return record;
    };
    Pain001::Result result;
    const QByteArray xml = written({order(payer), abroad(u"AT611904300234573201"_s, u"Gumpendorfer Strasse 5"_s, u"1060 Wien"_s),
                                    abroad(u"DE89370400440532013000"_s, u""_s, u"Wien, Austrija"_s), order(payer)},
                                   options(), &result);
    EXPECT_SCHEMA_VALID(xml, "scthr_pain.001.001.09.xsd");
    EXPECT_TRUE(result.refused.isEmpty()) << result.refused.value(0).message.toStdString();
    EXPECT_EQ(result.groups, 2);
    const struct
    {
        QString path;
        QStringList texts;
    } cases[] = {
        {group + u"p:NbOfTxs"_s, {u"2"_s, u"2"_s}},
        {group + u"p:Dbtr/p:Nm"_s, {u"Žarko Čučić"_s, u"Zarko Cucic"_s}},
        {group + u"p:Dbtr/p:PstlAdr/p:StrtNm"_s, {u"Šubićeva"_s, u"Subiceva"_s}},
        {header + u"p:InitgPty/p:Nm"_s, {u"Zarko Cucic"_s}},
        {tx + u"p:CdtrAcct/p:Id/p:IBAN"_s,
         {u"HR1210010051863000160"_s, u"HR1210010051863000160"_s, u"AT611904300234573201"_s, u"DE89370400440532013000"_s}},
        {u"/p:Document/p:CstmrCdtTrfInitn/p:PmtInf[2]/p:CdtTrfTxInf[1]/p:Cdtr/p:PstlAdr/*"_s,
         {u"Gumpendorfer Strasse"_s, u"5"_s, u"1060"_s, u"Wien"_s, u"AT"_s}},
        {u"/p:Document/p:CstmrCdtTrfInitn/p:PmtInf[2]/p:CdtTrfTxInf[2]/p:Cdtr/p:PstlAdr/*"_s, {u"Wien"_s, u"AT"_s}},
        {tx + u"p:RmtInf/p:Ustrd"_s, {u"Rechnung 12"_s, u"Rechnung 12"_s}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(xpathTexts(xml, c.path), c.texts) << c.path.toStdString();
    EXPECT_EQ(result.notes,
              (QStringList{u"Bez slova č ć đ š ž (plaćanje u inozemstvo) zapisano je: naziv platitelja 'Žarko Čučić' kao 'Zarko Cucic'"_s,
                           u"Bez slova č ć đ š ž (plaćanje u inozemstvo) zapisano je: ulica platitelja 'Šubićeva 5' kao 'Subiceva 5'"_s}));
}

TEST(Pain001, WritesNothingWhenEveryOrderIsRefused)
{
    Pain001::Result result;
    EXPECT_TRUE(written({order({{F::PayerIban, u""_s}})}, options(), &result).isEmpty());
    EXPECT_EQ(result.written, 0);
    EXPECT_EQ(result.refused.size(), 1);
}

TEST(Pain001, WritesInstantOrdersUnderTheInstantSchema)
{
    const QByteArray xml = written({order(), order({{F::Amount, u"7,00"_s}})}, options(Pain001::Schema::Croatian, true));
    EXPECT_TRUE(xml.contains("xmlns=\"urn:iso:std:iso:20022:tech:xsd:sctinsthr:pain.001.001.09\""));
    EXPECT_EQ(xpathTexts(xml, group + u"p:PmtTpInf/p:LclInstrm/p:Cd"_s), QStringList{u"INST"_s});
    EXPECT_EQ(xpathTexts(xml, group + u"p:PmtTpInf/p:SvcLvl/p:Cd"_s), QStringList{u"SEPA"_s});
    EXPECT_SCHEMA_VALID(xml, "sctinsthr_pain.001.001.09.xsd");
}

TEST(Pain001, WritesThePlainIsoNamespaceOnRequest)
{
    const QByteArray xml = written({order(), order({{F::Urgent, u"1"_s}})}, options(Pain001::Schema::Iso));
    EXPECT_TRUE(xml.contains("xmlns=\"urn:iso:std:iso:20022:tech:xsd:pain.001.001.09\""));
    EXPECT_TRUE(xpathTexts(xml, group + u"p:PmtTpInf/p:LclInstrm"_s).isEmpty());
    EXPECT_SCHEMA_VALID(xml, "pain.001.001.09.xsd");
}

TEST(Pain001, SavesWholeAndOnlyWithSomethingToWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"UN.20261208.0001.xml"_s);
    const Hub3aRecord good = order();
    EXPECT_EQ(Pain001::save(path, QList<NumberedSlip>{{1, good}}, options()).written, 1);
    const QByteArray xml = fileBytes(path);
    EXPECT_TRUE(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    EXPECT_SCHEMA_VALID(xml, "scthr_pain.001.001.09.xsd");
    const QString none = dir.filePath(u"none.xml"_s);
    const Hub3aRecord bad = order({{F::PayerIban, u""_s}});
    EXPECT_EQ(Pain001::save(none, QList<NumberedSlip>{{1, bad}}, options()).written, 0);
    EXPECT_FALSE(QFile::exists(none));
}

// A file that cannot be written whole is not written: the earlier file stays as it was.
TEST(Pain001, AFailedSaveLeavesTheEarlierFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"orders.xml"_s);
    ASSERT_TRUE(writeFileBytes(path, "earlier"));
    QList<Row> rows;
    for (int row = 1; row <= 200; ++row)
        rows.append({row, order()});
    {
        const FileSizeLimit limit(4096);
        EXPECT_EQ(thrownErrorOf([&] { Pain001::save(path, rows, options()); }), u"Stream write error"_s);
    }
    EXPECT_EQ(fileBytes(path), QByteArray("earlier"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"orders.xml"_s});
    EXPECT_EQ(thrownErrorOf([&] { Pain001::save(dir.filePath(u"no/folder.xml"_s), rows, options()); }),
              u"Datoteka %1 ne može se stvoriti"_s.arg(dir.filePath(u"no/folder.xml"_s)));
}

TEST(Pain001, CountsOnlyTodaysFilesOfTheSettingsCounter)
{
    const TemporaryStore store;
    store.store().WriteSetting(u"BankFileDay"_s, u"20261208"_s);
    store.store().WriteSetting(u"BankFileCount"_s, u"7"_s);
    EXPECT_EQ(Pain001::settingsMessageCount(store.store(), QDate(2026, 12, 8)), 7);
    EXPECT_EQ(Pain001::settingsMessageCount(store.store(), QDate(2026, 12, 9)), 0);
    const Pain001::Options next = Pain001::optionsNow(FixedClock(QDateTime(QDate(2026, 12, 9), QTime(9, 0))));
    EXPECT_EQ(next.today, QDate(2026, 12, 9));
    EXPECT_EQ(Pain001::suggestedFileName(u"UN202612090001"_s), u"UN.20261209.0001.xml"_s);
}

TEST(BankText, KeepsTheGuidesCharacterRules)
{
    const struct
    {
        QString text;
        QString problem;
    } cases[] = {
        {u"Plaćanje računa br. 12/2026 (rata 1), iznos: 5+3 ?'"_s, u""_s},
        {u"ČĆĐŠŽ čćđšž"_s, u""_s},
        {u"a&b"_s, u"znak '&' nije dopušten u nalogu banci"_s},
        {u"ä"_s, u"znak 'ä' nije dopušten u nalogu banci"_s},
        {u"a_b"_s, u"znak '_' nije dopušten u nalogu banci"_s},
        {u"a\tb"_s, u"znak 'U+0009' nije dopušten u nalogu banci"_s},
        {u" a"_s, u"ne smije počinjati razmakom"_s},
        {u"-a"_s, u"ne smije počinjati znakom '-'"_s},
        {u"a-"_s, u""_s},
        {u"/a"_s, u"ne smije počinjati kosom crtom '/'"_s},
        {u"a/"_s, u"ne smije završavati kosom crtom '/'"_s},
        {u"a//b"_s, u"ne smije imati dvije kose crte '//' zaredom"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(bankTextProblem(c.text), c.problem) << c.text.toStdString();
}

TEST(PostalAddress, SplitsTheSlipsLines)
{
    const struct
    {
        QString street, place, country; // the country: the IBAN's
        PostalAddress address;
    } cases[] = {
        {u"Ilica 1"_s, u"10000 Zagreb"_s, u"HR"_s, {u"Ilica"_s, u"1"_s, u"10000"_s, u"Zagreb"_s, u""_s, u"HR"_s}},
        {u"Ulica kralja Zvonimira 12a"_s, u"21000 Split"_s, u"HR"_s, {u"Ulica kralja Zvonimira"_s, u"12a"_s, u"21000"_s, u"Split"_s, u""_s, u"HR"_s}},
        {u"Vukovarska 5/2"_s, u"HR-51000 Rijeka"_s, u"HR"_s, {u"Vukovarska"_s, u"5/2"_s, u"51000"_s, u"Rijeka"_s, u""_s, u"HR"_s}},
        {u"Selska bb"_s, u"Zagreb"_s, u"HR"_s, {u"Selska"_s, u"bb"_s, u""_s, u"Zagreb"_s, u""_s, u"HR"_s}},
        {u"Trg bana Jelačića"_s, u"10000 Zagreb"_s, u"HR"_s, {u""_s, u""_s, u"10000"_s, u"Zagreb"_s, u"Trg bana Jelačića"_s, u"HR"_s}},
        {u""_s, u""_s, u"HR"_s, {u""_s, u""_s, u""_s, u""_s, u""_s, u"HR"_s}},
        // Abroad: post codes of other lengths and forms, the country the place names or else the IBAN's.
        {u""_s, u"1060 Wien"_s, u"AT"_s, {u""_s, u""_s, u"1060"_s, u"Wien"_s, u""_s, u"AT"_s}},
        {u""_s, u"AT-1060 Wien"_s, u"DE"_s, {u""_s, u""_s, u"1060"_s, u"Wien"_s, u""_s, u"AT"_s}},
        {u""_s, u"Wien, Austrija"_s, u"DE"_s, {u""_s, u""_s, u""_s, u"Wien"_s, u""_s, u"AT"_s}},
        {u""_s, u"80331 Munich, germany"_s, u"AT"_s, {u""_s, u""_s, u"80331"_s, u"Munich"_s, u""_s, u"DE"_s}},
        {u""_s, u"Graz, AT"_s, u"DE"_s, {u""_s, u""_s, u""_s, u"Graz"_s, u""_s, u"AT"_s}},
        {u""_s, u"00-950 Warszawa"_s, u"PL"_s, {u""_s, u""_s, u"00-950"_s, u"Warszawa"_s, u""_s, u"PL"_s}},
        {u""_s, u"XY-1060 Wien"_s, u"AT"_s, {u""_s, u""_s, u""_s, u"XY-1060 Wien"_s, u""_s, u"AT"_s}},
        {u""_s, u"Wien, Oberdorf"_s, u"AT"_s, {u""_s, u""_s, u""_s, u"Wien, Oberdorf"_s, u""_s, u"AT"_s}},
        // Parts as they stand in the lines: what breaks a rule at a part's edge is refused, not mended.
        {u"Ilica/ 5"_s, u"10000 -Zagreb"_s, u"HR"_s, {u"Ilica/"_s, u"5"_s, u"10000"_s, u"-Zagreb"_s, u""_s, u"HR"_s}},
    };
    for (const auto &c : cases) {
        const auto parts = [](const PostalAddress &a) {
            return QStringList{a.streetName, a.buildingNo, a.postCode, a.townName, a.addressLine, a.country};
        };
        EXPECT_EQ(parts(splitPostalAddress(c.street, c.place, c.country)), parts(c.address))
            << c.street.toStdString() << " / " << c.place.toStdString();
    }
}

} // namespace
