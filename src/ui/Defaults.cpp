#include "Defaults.h"

#include <span>

namespace {

// A stored default and the control it fills and is taken from.
struct DefaultValue
{
    const char *valueName;
    const char *control;

    QString name() const { return QLatin1StringView(valueName); }
    QLatin1StringView field() const { return QLatin1StringView(control); }
};

// The value names are fixed: stored data depends on them. The payment slip calls the reference
// number "DefPoziv" and its model "DefPin"; the transfer order the other way round.
constexpr DefaultValue speedButton2[] = {{"DefUplatitelj", "Memo1"}};
constexpr DefaultValue speedButton4[] = {
    {"DefPrimatelj", "Memo3"}, {"DefRacun", "MaskEdit7"}, {"DefPoziv", "MaskEdit8"}, {"DefPin", "MaskEdit6"}};
constexpr DefaultValue speedButton7[] = {{"DefZorUplatitelj", "Nalogodavac"},
                                         {"DefZorRacun1", "Racun1"},
                                         {"DefZorPoziv1", "pb11"},
                                         {"DefZorPin1", "pb12"}};
constexpr DefaultValue speedButton9[] = {{"DefZorPrimatelj", "Primatelj"},
                                         {"DefZorRacun2", "Racun2"},
                                         {"DefZorPoziv2", "pb21"},
                                         {"DefZorPin2", "pb22"}};
constexpr DefaultValue speedButton13[] = {{"ZorSif1", "sif1"}, {"ZorSif2", "sif2"}, {"ZorSif3", "sif3"}};

std::span<const DefaultValue> groupValues(DefaultGroup group)
{
    switch (group) {
    case DefaultGroup::SpeedButton2:
        return speedButton2;
    case DefaultGroup::SpeedButton4:
        return speedButton4;
    case DefaultGroup::SpeedButton7:
        return speedButton7;
    case DefaultGroup::SpeedButton9:
        return speedButton9;
    case DefaultGroup::SpeedButton13:
        return speedButton13;
    }
    return {};
}

void loadValues(const SettingsStore &store, SlipFieldAccess &fields, std::span<const DefaultValue> values)
{
    QStringList names;
    for (const DefaultValue &value : values)
        names.append(value.name());
    store.ReadSettings(names, [&](qsizetype index, const QString &text) {
        fields.setFieldText(values[static_cast<size_t>(index)].field(), text);
    });
}

} // namespace

void LoadUplatnicaDefaults(const SettingsStore &store, SlipFieldAccess &fields)
{
    loadValues(store, fields, groupValues(DefaultGroup::SpeedButton2));
    const std::span<const DefaultValue> recipientGroup = groupValues(DefaultGroup::SpeedButton4);
    const DefaultValue &recipient = recipientGroup.front();
    loadValues(store, fields, recipientGroup.first(1));
    if (fields.fieldText(recipient.field()).isEmpty())
        return;
    loadValues(store, fields, recipientGroup.subspan(1));
}

void LoadZorvatDefaults(const SettingsStore &store, SlipFieldAccess &fields)
{
    for (const DefaultGroup group :
         {DefaultGroup::SpeedButton7, DefaultGroup::SpeedButton9, DefaultGroup::SpeedButton13})
        loadValues(store, fields, groupValues(group));
}

void StoreDefaults(const SettingsStore &store, const SlipFieldAccess &fields, DefaultGroup group)
{
    for (const DefaultValue &value : groupValues(group))
        store.WriteSetting(value.name(), fields.fieldText(value.field()));
}
