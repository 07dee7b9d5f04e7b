#include "ui/Defaults.h"
#include "FakeSlipFields.h"
#include "QtPrinters.h"
#include "TemporaryStore.h"
#include "UserErrorOf.h"
#include "ui/SlipControlTable.h"

#include <gtest/gtest.h>

namespace {

QStringList names(std::initializer_list<const char *> list)
{
    QStringList result;
    for (const char *name : list)
        result.append(QLatin1StringView(name));
    return result;
}

const QStringList uplatnicaOrder = names({"Memo1", "Memo3", "MaskEdit7", "MaskEdit8", "MaskEdit6"});
const QStringList zorvatOrder = names(
    {"Nalogodavac", "Racun1", "pb11", "pb12", "Primatelj", "Racun2", "pb21", "pb22", "sif1", "sif2", "sif3"});

// Every default-fed field of both tabs with a distinct text, as a user fills them before storing.
FakeSlipFields filledFields()
{
    FakeSlipFields fields;
    for (const QStringList *order : {&uplatnicaOrder, &zorvatOrder}) {
        for (const QString &control : *order)
            fields.texts[control] = control + QStringLiteral(" tekst");
    }
    fields.texts[QStringLiteral("Memo1")] = QStringLiteral("Ivan Horvat\r\nIlica 1, Zagreb");
    fields.texts[QStringLiteral("pb11")] = QStringLiteral("   ");
    return fields;
}

void storeAll(const SettingsStore &store, const SlipFieldAccess &fields)
{
    for (const DefaultGroup group :
         {DefaultGroup::UplatnicaPayer, DefaultGroup::UplatnicaRecipient, DefaultGroup::ZorvatPayer,
          DefaultGroup::ZorvatRecipient, DefaultGroup::ZorvatCodes})
        StoreDefaults(store, fields, group);
}

TEST(Defaults, StoredGroupsComeBackInTheirOrder)
{
    TemporaryStore t;
    const FakeSlipFields filled = filledFields();
    storeAll(t.store(), filled);

    FakeSlipFields loaded;
    LoadUplatnicaDefaults(t.store(), loaded);
    EXPECT_EQ(loaded.setOrder, uplatnicaOrder);
    LoadZorvatDefaults(t.store(), loaded);
    EXPECT_EQ(loaded.setOrder, uplatnicaOrder + zorvatOrder);
    EXPECT_EQ(loaded.texts, filled.texts);
}

TEST(Defaults, ValueNamesAreTheStoredOnes)
{
    TemporaryStore t;
    storeAll(t.store(), filledFields());
    const struct
    {
        const char *value, *control;
    } cases[] = {
        {"DefUplatitelj", "Memo1"}, {"DefPrimatelj", "Memo3"},
        {"DefRacun", "MaskEdit7"},  {"DefPoziv", "MaskEdit8"},
        {"DefPin", "MaskEdit6"},    {"DefZorUplatitelj", "Nalogodavac"},
        {"DefZorRacun1", "Racun1"}, {"DefZorPoziv1", "pb11"},
        {"DefZorPin1", "pb12"},     {"DefZorPrimatelj", "Primatelj"},
        {"DefZorRacun2", "Racun2"}, {"DefZorPoziv2", "pb21"},
        {"DefZorPin2", "pb22"},     {"ZorSif1", "sif1"},
        {"ZorSif2", "sif2"},        {"ZorSif3", "sif3"},
    };
    const FakeSlipFields filled = filledFields();
    for (const auto &c : cases) {
        EXPECT_EQ(t.store().ReadSetting(QLatin1StringView(c.value)),
                  filled.texts.value(QLatin1StringView(c.control)))
            << c.value;
    }
}

TEST(Defaults, EmptyStoreEmptiesTheFieldsUpToTheRecipient)
{
    TemporaryStore t;
    FakeSlipFields fields = filledFields();
    LoadUplatnicaDefaults(t.store(), fields);
    EXPECT_EQ(fields.setOrder, names({"Memo1", "Memo3"}));
    EXPECT_EQ(fields.texts[QStringLiteral("Memo1")], QString());
    EXPECT_EQ(fields.texts[QStringLiteral("MaskEdit7")], QStringLiteral("MaskEdit7 tekst"));

    LoadZorvatDefaults(t.store(), fields);
    for (const QString &control : zorvatOrder)
        EXPECT_EQ(fields.texts[control], QString()) << control.toStdString();
}

TEST(Defaults, StoredEmptyRecipientLeavesAccountReferenceAndModel)
{
    TemporaryStore t;
    FakeSlipFields stored = filledFields();
    stored.texts[QStringLiteral("Memo3")] = QString();
    StoreDefaults(t.store(), stored, DefaultGroup::UplatnicaPayer);
    StoreDefaults(t.store(), stored, DefaultGroup::UplatnicaRecipient);
    EXPECT_EQ(t.store().ReadSetting(QStringLiteral("DefRacun")), QStringLiteral("MaskEdit7 tekst"));

    FakeSlipFields fields;
    fields.texts[QStringLiteral("Memo3")] = QStringLiteral("Stari primatelj");
    fields.texts[QStringLiteral("MaskEdit6")] = QStringLiteral("  7");
    LoadUplatnicaDefaults(t.store(), fields);
    EXPECT_EQ(fields.texts[QStringLiteral("Memo1")], stored.texts[QStringLiteral("Memo1")]);
    EXPECT_EQ(fields.texts[QStringLiteral("Memo3")], QString());
    EXPECT_EQ(fields.texts[QStringLiteral("MaskEdit6")], QStringLiteral("  7"));
    EXPECT_FALSE(fields.texts.contains(QStringLiteral("MaskEdit7")));
}

TEST(Defaults, LoadersNeverTouchTheOtherTab)
{
    TemporaryStore t;
    storeAll(t.store(), filledFields());
    FakeSlipFields fields;
    LoadUplatnicaDefaults(t.store(), fields);
    for (const QString &control : fields.setOrder)
        EXPECT_GE(fieldIndexOfControl(SlipKind::Uplatnica, QLatin1StringView(control.toLatin1())), 0)
            << control.toStdString();
    fields.setOrder.clear();
    LoadZorvatDefaults(t.store(), fields);
    for (const QString &control : fields.setOrder)
        EXPECT_GE(fieldIndexOfControl(SlipKind::Zorvat, QLatin1StringView(control.toLatin1())), 0)
            << control.toStdString();
}

TEST(Defaults, ValueOfAnotherTypeStopsTheLoader)
{
    TemporaryStore t;
    storeAll(t.store(), filledFields());
    auto key = t.store().OpenKey(SettingsStore::mainKeyPath(), false, KeyAccess::ReadWrite);
    ASSERT_TRUE(key);
    key->WriteInteger(QStringLiteral("DefZorRacun2"), 5);
    key->CloseKey();

    FakeSlipFields fields;
    EXPECT_EQ(userErrorOf([&] { LoadZorvatDefaults(t.store(), fields); }),
              QStringLiteral("Invalid data type for 'DefZorRacun2'"));
    EXPECT_EQ(fields.setOrder, zorvatOrder.first(5));
    EXPECT_EQ(fields.texts[QStringLiteral("Primatelj")], QStringLiteral("Primatelj tekst"));
}

TEST(Defaults, RefusedWriteStopsTheGroupAfterTheValuesBeforeIt)
{
    TemporaryStore t;
    t.refuseWritesOf(QStringLiteral("DefPoziv"));
    EXPECT_EQ(
        userErrorOf([&] { StoreDefaults(t.store(), filledFields(), DefaultGroup::UplatnicaRecipient); }),
        QStringLiteral("Failed to set data for 'DefPoziv'"));
    EXPECT_EQ(t.store().ReadSetting(QStringLiteral("DefRacun")), QStringLiteral("MaskEdit7 tekst"));
    EXPECT_EQ(t.store().ReadSetting(QStringLiteral("DefPin")), QString());
}

} // namespace
