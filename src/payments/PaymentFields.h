#pragma once

#include "model/SlipData.h"
#include "payments/CheckResult.h"

#include <QList>

#include <span>

// A field of a slip that the payment checks look at: an account, or a reference with its model.
struct PaymentField
{
    const char *name;       // what reports call it ("recipientAccount")
    const char *field;      // the record's field holding the account or the reference
    const char *modelField; // the record's field holding the reference's model; null for an account
    bool boxed = false;     // a reference in digit boxes, where a blank box separates elements

    QLatin1StringView fieldName() const { return QLatin1StringView(field); }
    bool isReference() const { return modelField != nullptr; }
};

// The payment fields of each kind of slip.
std::span<const PaymentField> paymentFields(SlipKind kind);

// Checks one payment field with its text and, for a reference, its model's text.
CheckResult checkPaymentField(const PaymentField &field, const QString &text, const QString &model);

// Checks a reference that travels as one text, the model, a space and the number (" 01 12345-678"),
// as a partner entry holds it.
CheckResult checkJoinedReference(const QString &joined);

// One payment field of a record with its text and what the check found.
struct CheckedField
{
    QString name;
    QString value; // the account, or the model and the reference ("HR01 12345-678")
    CheckResult result;
};

// Checks every payment field of a record, empty ones included.
QList<CheckedField> checkRecord(const SlipRecord &record);
