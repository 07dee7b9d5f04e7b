#include "payments/PaymentFields.h"

#include "payments/AccountCheck.h"
#include "payments/ReferenceCheck.h"
#include "payments/ReferenceModels.h"

#include <QRegularExpression>

namespace {

constexpr PaymentField uplatnicaFields[] = {
    {"recipientAccount", "account", nullptr},
    {"recipientReference", "reference", "referenceModel"},
};

constexpr PaymentField zorvatFields[] = {
    {"payerAccount", "payerAccount", nullptr},
    {"payerReference", "payerReference", "payerReferenceModel"},
    {"recipientAccount", "recipientAccount", nullptr},
    {"recipientReference", "recipientReference", "recipientReferenceModel", true},
};

const QString &fieldText(const SlipRecord &record, const char *field)
{
    return record.texts[static_cast<size_t>(slipFieldIndex(record.kind, QLatin1StringView(field)))];
}

// The reference as the checks read it: boxed digits with blank boxes between them become
// elements separated by "-".
QString referenceText(const PaymentField &field, const QString &text)
{
    const QString trimmed = text.trimmed();
    if (!field.boxed)
        return trimmed;
    static const QRegularExpression blanks(QStringLiteral(" +"));
    return QString(trimmed).replace(blanks, QStringLiteral("-"));
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
    return field.isReference() ? checkReference(model, referenceText(field, text)) : checkAccount(text);
}

CheckResult checkJoinedReference(const QString &joined)
{
    // The model is what stands before the first space after any leading blanks of an empty
    // model box; a text without that space is a number without a model.
    qsizetype start = 0;
    while (start < joined.size() && joined[start] == u' ')
        ++start;
    const QString text = joined.mid(start);
    const qsizetype space = text.indexOf(u' ');
    if (space < 0)
        return checkReference(QString(), text);
    return checkReference(text.left(space), text.mid(space + 1));
}

QList<CheckedField> checkRecord(const SlipRecord &record)
{
    QList<CheckedField> checked;
    for (const PaymentField &field : paymentFields(record.kind)) {
        const QString text = referenceText(field, fieldText(record, field.field));
        const QString model = field.isReference() ? fieldText(record, field.modelField).trimmed() : QString();
        const std::optional<int> modelNumber = parseModel(model);
        const QString modelText = modelNumber ? modelName(*modelNumber) : model;
        const QString value = modelText.isEmpty() ? text : (modelText + u' ' + text).trimmed();
        checked.append({QString::fromLatin1(field.name), value, checkPaymentField(field, text, model)});
    }
    return checked;
}
