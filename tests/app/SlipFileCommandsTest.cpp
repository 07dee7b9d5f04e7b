#include "SlipRecordOf.h"
#include "WindowFixture.h"

namespace {

using namespace Qt::StringLiterals;
using SlipFileCommandsTest = WindowFixture;

TEST_F(SlipFileCommandsTest, SavedPaymentSlipLoadsBackIntoItsFields)
{
    const SlipRecord record{SlipKind::Uplatnica,
                            {u"10000"_s, u"Ivan Horvat"_s, u"Račun za struju"_s, u"HEP d.d."_s, u"Zagreb"_s,
                             u"06.12.2001."_s, u"  1"_s, u"123"_s, u"   "_s, u"999"_s, u"1.234,56"_s,
                             u"2360000-1101234567"_s, u"   "_s, u"12345-678"_s}};
    window->fields().setRecord(record);
    set("Nalogodavac", u"Firma"_s);
    dialogs.setNextFileName(path("slip"));
    trigger("SaveUplatnica");
    EXPECT_EQ(dialogs.fileTitles, QStringList{u"Odredite naziv za snimanje uplatnice"_s});

    click("Button1");
    load(path("slip"));
    EXPECT_EQ(texts(SlipKind::Uplatnica), record.texts);
    EXPECT_EQ(text("Nalogodavac"), u"Firma"_s);
    EXPECT_EQ(dialogs.messages + dialogs.errors, QStringList());
}

TEST_F(SlipFileCommandsTest, TransferOrderLoadsInTheBackgroundAndKeepsPlaceAndDate)
{
    selectTab(SlipKind::Zorvat);
    set("Nalogodavac", u"Firma d.o.o.\r\nIlica 1"_s);
    set("pb22", u"42"_s);
    dialogs.setNextFileName(path("order"));
    trigger("SaveUplatnica");
    EXPECT_EQ(dialogs.fileTitles, QStringList{u"Odredite naziv za snimanje zorvata"_s});
    const SlipTexts saved = texts(SlipKind::Zorvat);

    click("Button4");
    selectTab(SlipKind::Uplatnica);
    set("Edit2", u"Zagreb"_s);
    load(path("order"));
    EXPECT_EQ(texts(SlipKind::Zorvat), saved);
    EXPECT_EQ(window->activeKind(), FormKind::Uplatnica);
    EXPECT_EQ(text("Edit2"), u"Zagreb"_s);
}

TEST_F(SlipFileCommandsTest, ShortLowerCaseFileFillsWhatItHasAndEmptiesTheRest)
{
    window->fields().setRecord(slipRecordOf(
        SlipKind::Uplatnica, {{"postcode", u"1"_s}, {"place", u"Split"_s}, {"executionCode", u"2"_s}}));
    load(writeFile(path("short"), "tip=uplatnica\n10000\nPlatitelj\nSvrha\nPrimatelj\n"));
    const SlipRecord expected = slipRecordOf(SlipKind::Uplatnica, {{"postcode", u"10000"_s},
                                                                   {"payer", u"Platitelj"_s},
                                                                   {"purpose", u"Svrha"_s},
                                                                   {"recipient", u"Primatelj"_s}});
    EXPECT_EQ(texts(SlipKind::Uplatnica), expected.texts);
}

TEST_F(SlipFileCommandsTest, BadFilesChangeNothingAndSaySo)
{
    set("Memo1", u"kept"_s);
    load(writeFile(path("other"), "TIP=NALOG\r\nx\r\n"));
    EXPECT_EQ(dialogs.messages, QStringList{u"Pogreška pri učitavanju zapisa!"_s});

    load(path("missing"));
    EXPECT_EQ(dialogs.errors, QStringList{u"Datoteka %1 ne postoji."_s.arg(path("missing"))});

    dialogs.fileTitles.clear();
    trigger("Uitaj1");
    trigger("SaveUplatnica");
    EXPECT_EQ(dialogs.fileTitles.size(), 2);
    EXPECT_EQ(text("Memo1"), u"kept"_s);
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.errors.size(), 1);
}

TEST_F(SlipFileCommandsTest, SaveReplacesAnExistingFileAndReportsAFailure)
{
    dialogs.setNextFileName(writeFile(path("old"), QByteArray(1000, 'x')));
    trigger("SaveUplatnica");
    EXPECT_TRUE(fileBytes(path("old")).startsWith("TIP=UPLATNICA\r\n"));

    dialogs.setNextFileName(path("no/such/folder/slip"));
    EXPECT_FALSE(app()->runReportingErrors([&] { trigger("SaveUplatnica"); }));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith(u"Datoteka "_s)) << dialogs.errors[0].toStdString();
}

} // namespace
