#include "PaymentFields.h"

#include "AccountCheck.h"
#include "ReferenceCheck.h"
#include "ReferenceModels.h"

namespace {

constexpr PaymentField uplatnicaFields[] = {
    {"recipientAccount", "account", nullptr},
    {"recipientReference", "reference", "referenceModel"},
};

constexpr PaymentField zorvatFields[] = {
    {"payerAccount", "payerAccount", nullptr},
    {"payerReference", "payerReference", "payerReferenceModel"},
    {"recipientAccount", "recipientAccount", nullptr},
    {"recipientReference", "recipientReference", "recipientReferenceModel"},
};

const QString &fieldText(const SlipRecord &record, const char *field)
{
    return record.texts[static_cast<size_t>(slipFieldIndex(record.kind, QLatin1StringView(field)))];
}

} // namespace

std::span<const PaymentField> paymentFields(SlipKind kind)
{
    if (kind == SlipKind::Uplatnica)
        return uplatnicaFields;
    return zorvatFields;
}

CheckResult checkPaymentField(const PaymentField &field, const QString &text, const QString &model)
{
    return field.isReference() ? checkReference(model, text) : checkAccount(text);
}

QList<CheckedField> checkRecord(const SlipRecord &record)
{
    QList<CheckedField> checked;
    for (const PaymentField &field : paymentFields(record.kind)) {
        const QString text = fieldText(record, field.field).trimmed();
        const QString model = field.isReference() ? fieldText(record, field.modelField).trimmed() : QString();
        const std::optional<int> modelNumber = parseModel(model);
        const QString modelText = modelNumber ? modelName(*modelNumber) : model;
        const QString value = modelText.isEmpty() ? text : (modelText + u' ' + text).trimmed();
        checked.append({QString::fromLatin1(field.name), value, checkPaymentField(field, text, model)});
    }
    return checked;
}
