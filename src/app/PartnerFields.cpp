#include "app/PartnerFields.h"

#include "partners/PartnerEntry.h"
#include "ui/SlipFieldAccess.h"

#include <optional>

namespace {

// The fields of a partner in one slip kind, by name.
struct PartnerFieldNames
{
    SlipKind kind;
    const char *name;
    const char *account; // nullptr: the target takes the name only
    const char *model;
    const char *number;
};

// A target's partner fields; those the target lacks are nothing.
struct PartnerFormFields
{
    FormField name;
    std::optional<FormField> account, model, number;
};

PartnerFormFields fieldsOf(PickTarget target)
{
    static constexpr PartnerFieldNames table[] = {
        {SlipKind::Uplatnica, "payer", nullptr, nullptr, nullptr},
        {SlipKind::Uplatnica, "recipient", "account", "referenceModel", "reference"},
        {SlipKind::Zorvat, "payer", "payerAccount", "payerReferenceModel", "payerReference"},
        {SlipKind::Zorvat, "recipient", "recipientAccount", "recipientReferenceModel", "recipientReference"},
    };
    const PartnerFieldNames &fields = table[static_cast<int>(target) - 1];
    const FormKind form = formKindOf(fields.kind);
    const auto field = [form](const char *name) -> std::optional<FormField> {
        if (!name)
            return std::nullopt;
        return formFieldNamed(form, QLatin1StringView(name));
    };
    return {formFieldNamed(form, QLatin1StringView(fields.name)), field(fields.account), field(fields.model),
            field(fields.number)};
}

} // namespace

FormField partnerNameField(PickTarget target)
{
    return fieldsOf(target).name;
}

void takePartner(SlipFieldAccess &fields, PickTarget target, const QString &entry)
{
    const PartnerFormFields f = fieldsOf(target);
    const PartnerParts parts = SplitPartner(entry);
    fields.setFieldText(f.name, parts.name);
    if (!f.account)
        return;
    fields.setFieldText(*f.account, parts.account);
    const qsizetype space = parts.reference.indexOf(u' ');
    if (space >= 0) {
        fields.setFieldText(*f.model, parts.reference.left(space));
        fields.setFieldText(*f.number, parts.reference.mid(space + 1));
    } else {
        fields.setFieldText(*f.number, parts.reference);
    }
}

QString partnerFromFields(const SlipFieldAccess &fields, PickTarget target)
{
    const PartnerFormFields f = fieldsOf(target);
    const auto text = [&fields](const std::optional<FormField> &field) {
        return field ? fields.fieldText(*field) : QString();
    };
    return joinPartner(text(f.name), text(f.account), joinReference(text(f.model), text(f.number)));
}
