#include "app/PartnerFields.h"

#include "partners/PartnerEntry.h"
#include "ui/Defaults.h"
#include "ui/SlipControlTable.h"

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

// The controls of a target's partner fields; those the target lacks are empty.
struct PartnerControls
{
    QLatin1StringView name, account, model, number;
};

PartnerControls controlsOf(PickTarget target)
{
    static constexpr PartnerFieldNames table[] = {
        {SlipKind::Uplatnica, "payer", nullptr, nullptr, nullptr},
        {SlipKind::Uplatnica, "recipient", "account", "referenceModel", "reference"},
        {SlipKind::Zorvat, "payer", "payerAccount", "payerReferenceModel", "payerReference"},
        {SlipKind::Zorvat, "recipient", "recipientAccount", "recipientReferenceModel", "recipientReference"},
    };
    const PartnerFieldNames &fields = table[static_cast<int>(target) - 1];
    const auto control = [&fields](const char *field) {
        return field ? controlOf(fields.kind, QLatin1StringView(field)) : QLatin1StringView();
    };
    return {control(fields.name), control(fields.account), control(fields.model), control(fields.number)};
}

} // namespace

QLatin1StringView partnerNameControl(PickTarget target)
{
    return controlsOf(target).name;
}

void takePartner(SlipFieldAccess &fields, PickTarget target, const QString &entry)
{
    const PartnerControls c = controlsOf(target);
    const PartnerParts parts = SplitPartner(entry);
    fields.setFieldText(c.name, parts.name);
    if (c.account.isEmpty())
        return;
    fields.setFieldText(c.account, parts.account);
    const qsizetype space = parts.reference.indexOf(u' ');
    if (space >= 0) {
        fields.setFieldText(c.model, parts.reference.left(space));
        fields.setFieldText(c.number, parts.reference.mid(space + 1));
    } else {
        fields.setFieldText(c.number, parts.reference);
    }
}

QString partnerFromFields(const SlipFieldAccess &fields, PickTarget target)
{
    const PartnerControls c = controlsOf(target);
    const auto text = [&fields](QLatin1StringView control) {
        return control.isEmpty() ? QString() : fields.fieldText(control);
    };
    return joinPartner(text(c.name), text(c.account), joinReference(text(c.model), text(c.number)));
}
