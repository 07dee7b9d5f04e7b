#include "payments/Hub3aChecks.h"
#include "Hub3aRecordOf.h"
#include "UnpayableSlips.h"
#include "payments/PurposeCodes.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

Hub3aRecord record(const QString &payerIban, const QString &payerModel, const QString &payerReference,
                   const QString &recipientIban, const QString &recipientModel,
                   const QString &recipientReference)
{
    Hub3aRecord r;
    r.set(Hub3aField::PayerIban, payerIban);
    r.set(Hub3aField::PayerModel, payerModel);
    r.set(Hub3aField::PayerReference, payerReference);
    r.set(Hub3aField::RecipientIban, recipientIban);
    r.set(Hub3aField::RecipientModel, recipientModel);
    r.set(Hub3aField::RecipientReference, recipientReference);
    return r;
}

TEST(Hub3aChecks, ChecksBothIbansAndBothReferencesUnderTheirModels)
{
    const QList<CheckedField> valid =
        checkHub3aRecord(record(u"HR7023400091510946338"_s, u"HR01"_s, u"102-3057-89016"_s,
                                u"HR1210010051863000160"_s, u"HR68"_s, u"8214-12345678903"_s));
    ASSERT_EQ(valid.size(), 4);
    const char *names[] = {"payerAccount", "payerReference", "recipientAccount", "recipientReference"};
    for (qsizetype i = 0; i < valid.size(); ++i) {
        EXPECT_EQ(valid[i].name, QLatin1StringView(names[i]));
        EXPECT_EQ(valid[i].result.status, CheckStatus::Valid)
            << names[i] << valid[i].result.message.toStdString();
    }
    EXPECT_EQ(valid[1].value, u"HR01 102-3057-89016"_s);

    const QList<CheckedField> invalid =
        checkHub3aRecord(record(u"HR7023400091510946339"_s, u"HR01"_s, u"102-3057-89017"_s,
                                u"HR1210010051863000161"_s, u"HR68"_s, u"8215-12345678903"_s));
    for (const CheckedField &field : invalid)
        EXPECT_TRUE(field.result.failed()) << field.name.toStdString();
}

TEST(Hub3aChecks, EmptyFieldsHaveNothingToCheck)
{
    for (const CheckedField &field : checkHub3aRecord(Hub3aRecord()))
        EXPECT_EQ(field.result.status, CheckStatus::Empty) << field.name.toStdString();
}

TEST(Hub3aChecks, IbanFieldsTakeOnlyIbansAndNeverNameTheMissingCheckDigits)
{
    const struct
    {
        const char16_t *text;
        CheckStatus status;
        const char16_t *message;
    } cases[] = {
        {u"HR1210010051863000160", CheckStatus::Valid, u"IBAN je ispravan"},
        {u"HR1310010051863000160", CheckStatus::Invalid, u"IBAN nije ispravan (kontrolni broj)"},
        {u"10010051863000160", CheckStatus::Invalid,
         u"stari račun nije IBAN; njegov IBAN je HR1210010051863000160"},
        {u"1001005-1863000160", CheckStatus::Invalid,
         u"stari račun nije IBAN; njegov IBAN je HR1210010051863000160"},
        {u"1001005-1863000161", CheckStatus::Invalid, u"nije IBAN, ni ispravan stari račun"},
        {u"30101601", CheckStatus::Invalid, u"nije IBAN"},
        {u"", CheckStatus::Empty, u""},
    };
    for (const auto &c : cases) {
        const CheckResult result = checkHub3aIban(QString::fromUtf16(c.text));
        EXPECT_EQ(result.status, c.status) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(result.message, QString::fromUtf16(c.message)) << QString::fromUtf16(c.text).toStdString();
    }
}

// A record holds an IBAN abroad for a bank file; the slip, whose field holds 21, refuses it.
TEST(Hub3aChecks, AnIbanAbroadPaysByBankOrderButNotBySlip)
{
    const QString slipOnly = u"uplatnica plaća samo račune u Hrvatskoj (IBAN od 21 znaka, ovaj ima 22); račun u "
                             "inozemstvu plaća se nalogom za banku"_s;
    const struct
    {
        QString iban;
        QString slip;  // the slip's problem with it
        QString order; // the bank order's
    } cases[] = {
        {u"DE89370400440532013000"_s, slipOnly, u""_s},
        {u"AT611904300234573201"_s, u""_s, u""_s},
        {u"DE89370400440532013001"_s, u"IBAN nije ispravan (kontrolni broj)"_s, u"IBAN nije ispravan (kontrolni broj)"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.iban.toStdString());
        const Hub3aRecord record = hub3aRecordOf({{Hub3aField::RecipientName, u"Firma GmbH"_s},
                                            {Hub3aField::RecipientIban, c.iban},
                                            {Hub3aField::Amount, u"1,00"_s}});
        const auto problemOf = [&](Hub3aUse use) {
            for (const Hub3aProblem &problem : hub3aSlipProblems(record, use))
                return problem.field == Hub3aField::RecipientIban ? problem.message : problem.message + u" (other)"_s;
            return QString();
        };
        EXPECT_EQ(problemOf(Hub3aUse::Slip), c.slip);
        EXPECT_EQ(problemOf(Hub3aUse::BankOrder), c.order);
        EXPECT_EQ(record[Hub3aField::RecipientIban], c.iban);
    }
}

TEST(Hub3aChecks, ASlipWithoutRecipientIbanOrAmountFailsTheCheckAndIsNoSlipToPay)
{
    Hub3aRecord slip = hub3aRecordOf({{Hub3aField::RecipientName, u"Udruga"_s}});
    const QList<CheckedField> checked = checkHub3aSlip(slip);
    const auto find = [&](const char *name) {
        for (const CheckedField &field : checked) {
            if (field.name == QLatin1StringView(name))
                return field.result;
        }
        return CheckResult::unchecked(u"not listed"_s);
    };
    EXPECT_TRUE(find("recipientAccount").failed());
    EXPECT_TRUE(find("amount").failed());
    EXPECT_EQ(find("recipientName").status, CheckStatus::Valid);
    EXPECT_EQ(find("payerAccount").status, CheckStatus::Empty);

    QList<Hub3aField> fields;
    for (const Hub3aProblem &problem : hub3aSlipProblems(slip))
        fields.append(problem.field);
    EXPECT_EQ(fields, (QList<Hub3aField>{Hub3aField::RecipientIban, Hub3aField::Amount}));
    slip.set(Hub3aField::RecipientIban, u"HR1210010051863000161"_s);
    slip.set(Hub3aField::Amount, u"1,00"_s);
    ASSERT_EQ(hub3aSlipProblems(slip).size(), 1);
    EXPECT_EQ(hub3aSlipProblems(slip)[0].field, Hub3aField::RecipientIban);
}

TEST(Hub3aChecks, TheOneCheckFindsEachUnpayableSlipByFieldAndRule)
{
    EXPECT_TRUE(hub3aSlipProblems(fullHub3aRecord()).isEmpty());
    for (const UnpayableSlip &slip : unpayableSlips()) {
        const QList<Hub3aProblem> problems = hub3aSlipProblems(slip.record());
        ASSERT_EQ(problems.size(), 1) << slip.name;
        EXPECT_EQ(problems[0].field, slip.field) << slip.name;
        EXPECT_EQ(problems[0].rule, slip.rule) << slip.name;
        // The command-line check agrees: the slip is invalid there too.
        const QList<CheckedField> checked = checkHub3aSlip(slip.record());
        EXPECT_TRUE(std::any_of(checked.begin(), checked.end(), [](const CheckedField &f) {
            return f.result.failed();
        })) << slip.name;
    }
}

TEST(Hub3aChecks, PurposeCodesComeFromTheIsoListNamedByItsVersion)
{
    EXPECT_EQ(purposeCodeListVersion(), u"ExternalCodeSets_1Q2018"_s);
    for (const char *code : {"OTHR", "SALA", "SUPP", "GDDS", "ELEC", "TAXS", "COST", "CBTV"})
        EXPECT_TRUE(isIsoPurposeCode(QString::fromLatin1(code))) << code;
    for (const char *code : {"H", "ABCD", "othr", "OTHR ", "", "version"})
        EXPECT_FALSE(isIsoPurposeCode(QString::fromLatin1(code))) << code;
}

TEST(Hub3aChecks, AWrongIbanCheckDigitIsToldWithoutTheDigitsThatWouldPass)
{
    const CheckResult result = checkHub3aIban(u"HR1210010051863000161"_s);
    EXPECT_TRUE(result.checkDigitsWrong);
    EXPECT_EQ(result.message, u"IBAN nije ispravan (kontrolni broj)"_s);
    EXPECT_FALSE(checkHub3aIban(u"HR12100100518630001"_s).checkDigitsWrong);
}

} // namespace
