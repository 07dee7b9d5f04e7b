#include "payments/Hub3aChecks.h"

#include <gtest/gtest.h>

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

} // namespace
