#include "payments/PaymentFields.h"
#include "SlipRecordOf.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PaymentFields, ChecksEveryAccountAndReferenceOfBothKinds)
{
    const QList<CheckedField> zorvat =
        checkRecord(slipRecordOf(SlipKind::Zorvat, {{"payerAccount", u"1001005-1863000160"_s},
                                                    {"payerReferenceModel", u" 01"_s},
                                                    {"payerReference", u"12345-678"_s},
                                                    {"recipientReferenceModel", u" 06"_s},
                                                    {"recipientReference", u"102 3057 89015 "_s}}));
    ASSERT_EQ(zorvat.size(), 4);
    const struct
    {
        const char *name;
        const char16_t *value;
        CheckStatus status;
    } expected[] = {
        {"payerAccount", u"1001005-1863000160", CheckStatus::Valid},
        {"payerReference", u"HR01 12345-678", CheckStatus::Invalid},
        {"recipientAccount", u"", CheckStatus::Empty},
        // Blank boxes between digits separate the elements.
        {"recipientReference", u"HR06 102-3057-89015", CheckStatus::Valid},
    };
    for (qsizetype i = 0; i < zorvat.size(); ++i) {
        const auto &e = expected[i];
        EXPECT_EQ(zorvat[i].name, QLatin1StringView(e.name));
        EXPECT_EQ(zorvat[i].value, QString::fromUtf16(e.value)) << e.name;
        EXPECT_EQ(zorvat[i].result.status, e.status) << e.name;
    }

    const QList<CheckedField> uplatnica = checkRecord(slipRecordOf(
        SlipKind::Uplatnica, {{"account", u"HR1210010051863000160"_s}, {"reference", u"102 3057"_s}}));
    ASSERT_EQ(uplatnica.size(), 2);
    EXPECT_EQ(uplatnica[0].result.iban, u"HR1210010051863000160"_s);
    EXPECT_EQ(uplatnica[1].result.message, u"upišite model poziva na broj"_s)
        << "a typed line keeps its blanks";
}

TEST(PaymentFields, ReadsAReferenceJoinedWithItsModel)
{
    const struct
    {
        const char16_t *joined;
        CheckStatus status;
        const char16_t *message;
    } cases[] = {
        {u" 01 12345-679", CheckStatus::Valid, u"poziv na broj odgovara modelu HR01"},
        {u"01 12345-678", CheckStatus::Invalid, u"kontrolni broj treba biti 9"},
        {u" 99 ", CheckStatus::Valid, u"model HR99: bez poziva na broj"},
        {u"    12345", CheckStatus::Invalid, u"upišite model poziva na broj"},
        {u"    ", CheckStatus::Empty, u""},
        {u"", CheckStatus::Empty, u""},
    };
    for (const auto &c : cases) {
        const CheckResult result = checkJoinedReference(QString::fromUtf16(c.joined));
        EXPECT_EQ(result.status, c.status) << QString::fromUtf16(c.joined).toStdString();
        EXPECT_EQ(result.message, QString::fromUtf16(c.message))
            << QString::fromUtf16(c.joined).toStdString();
    }
}

} // namespace
