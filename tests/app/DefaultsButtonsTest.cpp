#include "WindowFixture.h"

namespace {

using namespace Qt::StringLiterals;

using DefaultsButtons = WindowFixture;

TEST_F(DefaultsButtons, StartUpWithAnEmptyStoreLeavesEveryFieldBlank)
{
    bool printerChosen = false;
    window->setHooks({{}, {}, [&] { printerChosen = true; }});
    window->FormCreate();
    for (const SlipKind kind : {SlipKind::Uplatnica, SlipKind::Zorvat})
        EXPECT_EQ(texts(kind), SlipRecord::blank(kind).texts);
    EXPECT_EQ(window->hub3aData().texts, Hub3aRecord().texts);
    EXPECT_TRUE(printerChosen);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(DefaultsButtons, StoredGroupsComeBackWithDefault)
{
    set({{"Memo1", u"Ivan Horvat\r\nIlica 1"_s}, {"Memo3", u"HEP d.d."_s}});
    set({{"MaskEdit7", u"2360000-1101234567"_s}, {"MaskEdit8", u"12345"_s}, {"MaskEdit6", QString()}});
    set({{"Nalogodavac", u"Firma"_s}, {"pb22", u"987"_s}, {"sif1", u"1"_s}});
    for (const char *button :
         {"SpeedButton2", "SpeedButton4", "SpeedButton7", "SpeedButton9", "SpeedButton13"})
        click(button);
    const SlipTexts uplatnica = texts(SlipKind::Uplatnica), zorvat = texts(SlipKind::Zorvat);
    click("Button1");
    click("Button4");

    click("Button2");
    EXPECT_EQ(texts(SlipKind::Uplatnica)[1], uplatnica[1]);
    EXPECT_EQ(text("MaskEdit7"), u"2360000-1101234567"_s);
    EXPECT_EQ(text("MaskEdit6"), u"   "_s);
    EXPECT_EQ(texts(SlipKind::Zorvat), SlipRecord::blank(SlipKind::Zorvat).texts);
    click("Button3");
    EXPECT_EQ(texts(SlipKind::Zorvat), zorvat);
    EXPECT_EQ(store.ReadSetting(u"DefZorPin2"_s), u"987            "_s);
}

TEST_F(DefaultsButtons, AnEmptyRecipientLeavesAccountAndReferenceAlone)
{
    set({{"Memo3", QString()}, {"MaskEdit7", u"111"_s}, {"MaskEdit8", u"222"_s}, {"MaskEdit6", u"3"_s}});
    click("SpeedButton4");
    EXPECT_EQ(store.ReadSetting(u"DefPrimatelj"_s), QString());
    EXPECT_EQ(store.ReadSetting(u"DefPin"_s), u"  3"_s);
    store.WriteSetting(u"DefUplatitelj"_s, u"Ivan"_s);
    set({{"MaskEdit7", u"kept"_s}, {"Memo3", u"will be emptied"_s}});

    click("Button2");
    EXPECT_EQ(text("Memo1"), u"Ivan"_s);
    EXPECT_EQ(text("Memo3"), QString());
    EXPECT_EQ(text("MaskEdit7"), u"kept"_s);
    EXPECT_EQ(text("MaskEdit6"), u"  3"_s);
}

TEST_F(DefaultsButtons, AValueOfTheWrongTypeStopsStartUpAtThatValue)
{
    store.WriteSetting(u"DefUplatitelj"_s, u"Ivan"_s);
    store.WriteSetting(u"DefZorUplatitelj"_s, u"Firma"_s);
    std::optional<SettingsKey> key = store.OpenKey(SettingsStore::mainKeyPath(), true, KeyAccess::ReadWrite);
    ASSERT_TRUE(key);
    key->WriteInteger(u"DefPrimatelj"_s, 5);
    key->CloseKey();
    bool printerChosen = false;
    window->setHooks({{}, {}, [&] { printerChosen = true; }});

    EXPECT_FALSE(app()->runReportingErrors([&] { window->FormCreate(); }));
    EXPECT_EQ(dialogs.errors, QStringList{u"Invalid data type for 'DefPrimatelj'."_s});
    EXPECT_EQ(text("Memo1"), u"Ivan"_s);
    EXPECT_EQ(text("Nalogodavac"), QString());
    EXPECT_FALSE(printerChosen);
}

} // namespace
