#include "WindowFixture.h"

namespace {

using DefaultsButtons = WindowFixture;

TEST_F(DefaultsButtons, StartUpWithAnEmptyStoreLeavesEveryFieldBlank)
{
    bool printerChosen = false;
    window->setHooks({{}, {}, [&] { printerChosen = true; }});
    window->FormCreate();
    EXPECT_EQ(window->fields().record(SlipKind::Uplatnica).texts,
              SlipRecord::blank(SlipKind::Uplatnica).texts);
    EXPECT_EQ(window->fields().record(SlipKind::Zorvat).texts, SlipRecord::blank(SlipKind::Zorvat).texts);
    EXPECT_EQ(window->hub3aData().texts, Hub3aRecord().texts);
    EXPECT_TRUE(printerChosen);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(DefaultsButtons, StoredGroupsComeBackWithDefault)
{
    set("Memo1", QStringLiteral("Ivan Horvat\r\nIlica 1"));
    set("Memo3", QStringLiteral("HEP d.d."));
    set("MaskEdit7", QStringLiteral("2360000-1101234567"));
    set("MaskEdit8", QStringLiteral("12345"));
    set("MaskEdit6", QString());
    set("Nalogodavac", QStringLiteral("Firma"));
    set("pb22", QStringLiteral("987"));
    set("sif1", QStringLiteral("1"));
    for (const char *button :
         {"SpeedButton2", "SpeedButton4", "SpeedButton7", "SpeedButton9", "SpeedButton13"})
        click(button);
    const SlipRecord uplatnica = window->fields().record(SlipKind::Uplatnica);
    const SlipRecord zorvat = window->fields().record(SlipKind::Zorvat);
    click("Button1");
    click("Button4");

    click("Button2");
    EXPECT_EQ(window->fields().record(SlipKind::Uplatnica).texts[1], uplatnica.texts[1]);
    EXPECT_EQ(text("MaskEdit7"), QStringLiteral("2360000-1101234567"));
    EXPECT_EQ(text("MaskEdit6"), QStringLiteral("   "));
    EXPECT_EQ(window->fields().record(SlipKind::Zorvat).texts, SlipRecord::blank(SlipKind::Zorvat).texts);
    click("Button3");
    EXPECT_EQ(window->fields().record(SlipKind::Zorvat).texts, zorvat.texts);
    EXPECT_EQ(store.ReadSetting(QStringLiteral("DefZorPin2")), QStringLiteral("987            "));
}

TEST_F(DefaultsButtons, AnEmptyRecipientLeavesAccountAndReferenceAlone)
{
    set("Memo3", QString());
    set("MaskEdit7", QStringLiteral("111"));
    set("MaskEdit8", QStringLiteral("222"));
    set("MaskEdit6", QStringLiteral("3"));
    click("SpeedButton4");
    EXPECT_EQ(store.ReadSetting(QStringLiteral("DefPrimatelj")), QString());
    EXPECT_EQ(store.ReadSetting(QStringLiteral("DefPin")), QStringLiteral("  3"));
    store.WriteSetting(QStringLiteral("DefUplatitelj"), QStringLiteral("Ivan"));
    set("MaskEdit7", QStringLiteral("kept"));
    set("Memo3", QStringLiteral("will be emptied"));

    click("Button2");
    EXPECT_EQ(text("Memo1"), QStringLiteral("Ivan"));
    EXPECT_EQ(text("Memo3"), QString());
    EXPECT_EQ(text("MaskEdit7"), QStringLiteral("kept"));
    EXPECT_EQ(text("MaskEdit6"), QStringLiteral("  3"));
}

TEST_F(DefaultsButtons, AValueOfTheWrongTypeStopsStartUpAtThatValue)
{
    store.WriteSetting(QStringLiteral("DefUplatitelj"), QStringLiteral("Ivan"));
    store.WriteSetting(QStringLiteral("DefZorUplatitelj"), QStringLiteral("Firma"));
    std::optional<SettingsKey> key = store.OpenKey(SettingsStore::mainKeyPath(), true, KeyAccess::ReadWrite);
    ASSERT_TRUE(key);
    key->WriteInteger(QStringLiteral("DefPrimatelj"), 5);
    key->CloseKey();
    bool printerChosen = false;
    window->setHooks({{}, {}, [&] { printerChosen = true; }});

    EXPECT_FALSE(app()->runReportingErrors([&] { window->FormCreate(); }));
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Invalid data type for 'DefPrimatelj'.")});
    EXPECT_EQ(text("Memo1"), QStringLiteral("Ivan"));
    EXPECT_EQ(text("Nalogodavac"), QString());
    EXPECT_FALSE(printerChosen);
}

} // namespace
