#include "ui/Defaults.h"
#include "FakeSlipFields.h"
#include "QtPrinters.h"
#include "TemporaryStore.h"
#include "UserErrorOf.h"
#include "ui/SlipControlTable.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

const QStringList uplatnicaOrder = u"Memo1 Memo3 MaskEdit7 MaskEdit8 MaskEdit6"_s.split(u' ');
const QStringList zorvatOrder =
    u"Nalogodavac Racun1 pb11 pb12 Primatelj Racun2 pb21 pb22 sif1 sif2 sif3"_s.split(u' ');

// Every default-fed field of both tabs with a distinct text, as a user fills them before storing.
FakeSlipFields filledFields()
{
    FakeSlipFields fields;
    for (const QStringList *order : {&uplatnicaOrder, &zorvatOrder}) {
        for (const QString &control : *order)
            fields.texts[control] = control + u" tekst"_s;
    }
    fields.texts[u"Memo1"_s] = u"Ivan Horvat\r\nIlica 1, Zagreb"_s;
    fields.texts[u"pb11"_s] = u"   "_s;
    return fields;
}

// A store in a temporary file, into which every group of filledFields() can be stored.
class Defaults : public ::testing::Test
{
protected:
    void storeAll(const SlipFieldAccess &fields = filledFields())
    {
        for (const DefaultGroup group :
             {DefaultGroup::UplatnicaPayer, DefaultGroup::UplatnicaRecipient, DefaultGroup::ZorvatPayer,
              DefaultGroup::ZorvatRecipient, DefaultGroup::ZorvatCodes})
            StoreDefaults(t.store(), fields, group);
    }

    TemporaryStore t;
};

TEST_F(Defaults, StoredGroupsComeBackInTheirOrder)
{
    const FakeSlipFields filled = filledFields();
    storeAll(filled);

    FakeSlipFields loaded;
    LoadUplatnicaDefaults(t.store(), loaded);
    EXPECT_EQ(loaded.setOrder, uplatnicaOrder);
    LoadZorvatDefaults(t.store(), loaded);
    EXPECT_EQ(loaded.setOrder, uplatnicaOrder + zorvatOrder);
    EXPECT_EQ(loaded.texts, filled.texts);
}

TEST_F(Defaults, ValueNamesAreTheStoredOnes)
{
    storeAll();
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

TEST_F(Defaults, EmptyStoreEmptiesTheFieldsUpToTheRecipient)
{
    FakeSlipFields fields = filledFields();
    LoadUplatnicaDefaults(t.store(), fields);
    EXPECT_EQ(fields.setOrder, (QStringList{u"Memo1"_s, u"Memo3"_s}));
    EXPECT_EQ(fields.texts[u"Memo1"_s], QString());
    EXPECT_EQ(fields.texts[u"MaskEdit7"_s], u"MaskEdit7 tekst"_s);

    LoadZorvatDefaults(t.store(), fields);
    for (const QString &control : zorvatOrder)
        EXPECT_EQ(fields.texts[control], QString()) << control.toStdString();
}

TEST_F(Defaults, StoredEmptyRecipientLeavesAccountReferenceAndModel)
{
    FakeSlipFields stored = filledFields();
    stored.texts[u"Memo3"_s] = QString();
    StoreDefaults(t.store(), stored, DefaultGroup::UplatnicaPayer);
    StoreDefaults(t.store(), stored, DefaultGroup::UplatnicaRecipient);
    EXPECT_EQ(t.store().ReadSetting(u"DefRacun"_s), u"MaskEdit7 tekst"_s);

    FakeSlipFields fields;
    fields.texts[u"Memo3"_s] = u"Stari primatelj"_s;
    fields.texts[u"MaskEdit6"_s] = u"  7"_s;
    LoadUplatnicaDefaults(t.store(), fields);
    EXPECT_EQ(fields.texts[u"Memo1"_s], stored.texts[u"Memo1"_s]);
    EXPECT_EQ(fields.texts[u"Memo3"_s], QString());
    EXPECT_EQ(fields.texts[u"MaskEdit6"_s], u"  7"_s);
    EXPECT_FALSE(fields.texts.contains(u"MaskEdit7"_s));
}

TEST_F(Defaults, LoadersNeverTouchTheOtherTab)
{
    storeAll();
    for (const SlipKind kind : {SlipKind::Uplatnica, SlipKind::Zorvat}) {
        FakeSlipFields fields;
        (kind == SlipKind::Uplatnica ? LoadUplatnicaDefaults : LoadZorvatDefaults)(t.store(), fields);
        for (const QString &control : fields.setOrder)
            EXPECT_GE(fieldIndexOfControl(kind, QLatin1StringView(control.toLatin1())), 0)
                << control.toStdString();
    }
}

TEST_F(Defaults, ValueOfAnotherTypeStopsTheLoader)
{
    storeAll();
    auto key = t.store().OpenKey(SettingsStore::mainKeyPath(), false, KeyAccess::ReadWrite);
    ASSERT_TRUE(key);
    key->WriteInteger(u"DefZorRacun2"_s, 5);
    key->CloseKey();

    FakeSlipFields fields;
    EXPECT_EQ(userErrorOf([&] { LoadZorvatDefaults(t.store(), fields); }),
              u"Invalid data type for 'DefZorRacun2'"_s);
    EXPECT_EQ(fields.setOrder, zorvatOrder.first(5));
    EXPECT_EQ(fields.texts[u"Primatelj"_s], u"Primatelj tekst"_s);
}

TEST_F(Defaults, RefusedWriteStopsTheGroupAfterTheValuesBeforeIt)
{
    t.refuseWritesOf(u"DefPoziv"_s);
    EXPECT_EQ(
        userErrorOf([&] { StoreDefaults(t.store(), filledFields(), DefaultGroup::UplatnicaRecipient); }),
        u"Failed to set data for 'DefPoziv'"_s);
    EXPECT_EQ(t.store().ReadSetting(u"DefRacun"_s), u"MaskEdit7 tekst"_s);
    EXPECT_EQ(t.store().ReadSetting(u"DefPin"_s), QString());
}

} // namespace
