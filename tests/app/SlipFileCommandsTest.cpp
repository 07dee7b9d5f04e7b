#include "SlipFileCommandsFixture.h"

namespace {

TEST_F(SlipFileCommandsTest, SavedPaymentSlipLoadsBackIntoItsFields)
{
    SlipRecord record{SlipKind::Uplatnica,
                      {QStringLiteral("10000"), QStringLiteral("Ivan Horvat"),
                       QStringLiteral("Račun za struju"), QStringLiteral("HEP d.d."),
                       QStringLiteral("Zagreb"), QStringLiteral("06.12.2001."), QStringLiteral("  1"),
                       QStringLiteral("123"), QStringLiteral("   "), QStringLiteral("999"),
                       QStringLiteral("1.234,56"), QStringLiteral("2360000-1101234567"),
                       QStringLiteral("   "), QStringLiteral("12345-678")}};
    window->fields().setRecord(record);
    set("Nalogodavac", QStringLiteral("Firma"));
    dialogs.setNextFileName(path("slip"));
    trigger("SaveUplatnica");
    EXPECT_EQ(dialogs.fileTitles, QStringList{QStringLiteral("Odredite naziv za snimanje uplatnice")});

    click("Button1");
    load(path("slip"));
    EXPECT_EQ(window->fields().record(SlipKind::Uplatnica).texts, record.texts);
    EXPECT_EQ(text("Nalogodavac"), QStringLiteral("Firma"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SlipFileCommandsTest, TransferOrderLoadsInTheBackgroundAndKeepsPlaceAndDate)
{
    selectTab(SlipKind::Zorvat);
    set("Nalogodavac", QStringLiteral("Firma d.o.o.\r\nIlica 1"));
    set("pb22", QStringLiteral("42"));
    dialogs.setNextFileName(path("order"));
    trigger("SaveUplatnica");
    EXPECT_EQ(dialogs.fileTitles, QStringList{QStringLiteral("Odredite naziv za snimanje zorvata")});
    const SlipRecord saved = window->fields().record(SlipKind::Zorvat);

    click("Button4");
    selectTab(SlipKind::Uplatnica);
    set("Edit2", QStringLiteral("Zagreb"));
    load(path("order"));
    EXPECT_EQ(window->fields().record(SlipKind::Zorvat).texts, saved.texts);
    EXPECT_EQ(window->activeKind(), FormKind::Uplatnica);
    EXPECT_EQ(text("Edit2"), QStringLiteral("Zagreb"));
}

TEST_F(SlipFileCommandsTest, ShortLowerCaseFileFillsWhatItHasAndEmptiesTheRest)
{
    window->fields().setRecord(SlipRecord{SlipKind::Uplatnica,
                                          {QStringLiteral("1"), QString(), QString(), QString(),
                                           QStringLiteral("Split"), QString(), QStringLiteral("2")}});
    writeFile(path("short"), "tip=uplatnica\n10000\nPlatitelj\nSvrha\nPrimatelj\n");
    load(path("short"));
    SlipRecord expected = SlipRecord::blank(SlipKind::Uplatnica);
    expected.texts[0] = QStringLiteral("10000");
    expected.texts[1] = QStringLiteral("Platitelj");
    expected.texts[2] = QStringLiteral("Svrha");
    expected.texts[3] = QStringLiteral("Primatelj");
    EXPECT_EQ(window->fields().record(SlipKind::Uplatnica).texts, expected.texts);
}

TEST_F(SlipFileCommandsTest, BadFilesChangeNothingAndSaySo)
{
    set("Memo1", QStringLiteral("kept"));
    writeFile(path("other"), "TIP=NALOG\r\nx\r\n");
    load(path("other"));
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("Pogreška pri učitavanju zapisa!")});

    load(path("missing"));
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Datoteka %1 ne postoji.").arg(path("missing"))});

    dialogs.fileTitles.clear();
    trigger("Uitaj1");
    trigger("SaveUplatnica");
    EXPECT_EQ(dialogs.fileTitles.size(), 2);
    EXPECT_EQ(text("Memo1"), QStringLiteral("kept"));
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST_F(SlipFileCommandsTest, SaveReplacesAnExistingFileAndReportsAFailure)
{
    writeFile(path("old"), QByteArray(1000, 'x'));
    dialogs.setNextFileName(path("old"));
    trigger("SaveUplatnica");
    QFile saved(path("old"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().startsWith("TIP=UPLATNICA\r\n"));

    dialogs.setNextFileName(path("no/such/folder/slip"));
    EXPECT_FALSE(app()->runReportingErrors([&] { trigger("SaveUplatnica"); }));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(QStringLiteral("Datoteka "))) << dialogs.errors[0].toStdString();
}

} // namespace
