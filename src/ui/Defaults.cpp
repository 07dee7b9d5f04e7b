#include "ui/Defaults.h"

#include <span>

namespace {

// A stored default and the field it fills and is taken from.
struct DefaultValue
{
    const char *valueName;
    const char *field;

    QString name() const { return QLatin1StringView(valueName); }
};

struct Group
{
    FormKind form;
    std::span<const DefaultValue> values;
};

// The value names are fixed: stored data depends on them. The payment slip calls the reference
// number "DefPoziv" and its model "DefPin"; the transfer order the other way round.
constexpr DefaultValue uplatnicaPayer[] = {{"DefUplatitelj", "payer"}};
constexpr DefaultValue uplatnicaRecipient[] = {{"DefPrimatelj", "recipient"},
                                               {"DefRacun", "account"},
                                               {"DefPoziv", "reference"},
                                               {"DefPin", "referenceModel"}};
constexpr DefaultValue zorvatPayer[] = {{"DefZorUplatitelj", "payer"},
                                        {"DefZorRacun1", "payerAccount"},
                                        {"DefZorPoziv1", "payerReferenceModel"},
                                        {"DefZorPin1", "payerReference"}};
constexpr DefaultValue zorvatRecipient[] = {{"DefZorPrimatelj", "recipient"},
                                            {"DefZorRacun2", "recipientAccount"},
                                            {"DefZorPoziv2", "recipientReferenceModel"},
                                            {"DefZorPin2", "recipientReference"}};
constexpr DefaultValue zorvatCodes[] = {{"ZorSif1", "code1"}, {"ZorSif2", "code2"}, {"ZorSif3", "code3"}};
constexpr DefaultValue hub3aPayer[] = {
    {"DefHubPlatitelj1", "payerName"},  {"DefHubPlatitelj2", "payerStreet"},
    {"DefHubPlatitelj3", "payerPlace"}, {"DefHubIban1", "payerIban"},
    {"DefHubModel1", "payerModel"},     {"DefHubPoziv1", "payerReference"}};

Group groupOf(DefaultGroup group)
{
    switch (group) {
    case DefaultGroup::UplatnicaPayer:
        return {FormKind::Uplatnica, uplatnicaPayer};
    case DefaultGroup::UplatnicaRecipient:
        return {FormKind::Uplatnica, uplatnicaRecipient};
    case DefaultGroup::ZorvatPayer:
        return {FormKind::Zorvat, zorvatPayer};
    case DefaultGroup::ZorvatRecipient:
        return {FormKind::Zorvat, zorvatRecipient};
    case DefaultGroup::ZorvatCodes:
        return {FormKind::Zorvat, zorvatCodes};
    case DefaultGroup::Hub3aPayer:
        return {FormKind::Hub3a, hub3aPayer};
    }
    return {};
}

FormField fieldOf(const Group &group, const DefaultValue &value)
{
    return formFieldNamed(group.form, QLatin1StringView(value.field));
}

void loadValues(const SettingsStore &store, SlipFieldAccess &fields, const Group &group)
{
    QStringList names;
    for (const DefaultValue &value : group.values)
        names.append(value.name());
    store.ReadSettings(names, [&](qsizetype index, const QString &text) {
        fields.setFieldText(fieldOf(group, group.values[static_cast<size_t>(index)]), text);
    });
}

} // namespace

void LoadUplatnicaDefaults(const SettingsStore &store, SlipFieldAccess &fields)
{
    loadValues(store, fields, groupOf(DefaultGroup::UplatnicaPayer));
    const Group recipientGroup = groupOf(DefaultGroup::UplatnicaRecipient);
    loadValues(store, fields, {recipientGroup.form, recipientGroup.values.first(1)});
    if (fields.fieldText(fieldOf(recipientGroup, recipientGroup.values.front())).isEmpty())
        return;
    loadValues(store, fields, {recipientGroup.form, recipientGroup.values.subspan(1)});
}

void LoadZorvatDefaults(const SettingsStore &store, SlipFieldAccess &fields)
{
    for (const DefaultGroup group :
         {DefaultGroup::ZorvatPayer, DefaultGroup::ZorvatRecipient, DefaultGroup::ZorvatCodes})
        loadValues(store, fields, groupOf(group));
}

void LoadHub3aDefaults(const SettingsStore &store, SlipFieldAccess &fields)
{
    loadValues(store, fields, groupOf(DefaultGroup::Hub3aPayer));
}

void StoreDefaults(const SettingsStore &store, const SlipFieldAccess &fields, DefaultGroup group)
{
    const Group values = groupOf(group);
    for (const DefaultValue &value : values.values)
        store.WriteSetting(value.name(), fields.fieldText(fieldOf(values, value)));
}
