#include "PartnerFields.h"

#include "Defaults.h"
#include "PartnerEntry.h"
#include "SlipFields.h"

namespace {

struct PartnerControls
{
    const char *name;
    const char *account; // nullptr: the target takes the name only
    const char *model;
    const char *number;
};

const PartnerControls &controlsOf(PickTarget target)
{
    static constexpr PartnerControls table[] = {
        {"Memo1", nullptr, nullptr, nullptr},
        {"Memo3", "MaskEdit7", "MaskEdit6", "MaskEdit8"},
        {"Nalogodavac", "Racun1", "pb11", "pb12"},
        {"Primatelj", "Racun2", "pb21", "pb22"},
    };
    return table[static_cast<int>(target) - 1];
}

} // namespace

QLatin1StringView partnerNameControl(PickTarget target)
{
    return QLatin1StringView(controlsOf(target).name);
}

void takePartner(SlipFieldAccess &fields, PickTarget target, const QString &entry)
{
    const PartnerControls &c = controlsOf(target);
    const PartnerParts parts = SplitPartner(entry);
    fields.setFieldText(QLatin1StringView(c.name), parts.name);
    if (!c.account)
        return;
    fields.setFieldText(QLatin1StringView(c.account), parts.account);
    const qsizetype space = parts.reference.indexOf(u' ');
    if (space >= 0) {
        fields.setFieldText(QLatin1StringView(c.model), parts.reference.left(space));
        fields.setFieldText(QLatin1StringView(c.number), parts.reference.mid(space + 1));
    } else {
        fields.setFieldText(QLatin1StringView(c.number), parts.reference);
    }
}

QString partnerFromFields(const SlipFieldAccess &fields, PickTarget target)
{
    const PartnerControls &c = controlsOf(target);
    const auto text = [&fields](const char *control) {
        return control ? fields.fieldText(QLatin1StringView(control)) : QString();
    };
    return joinPartner(text(c.name), text(c.account), joinReference(text(c.model), text(c.number)));
}
