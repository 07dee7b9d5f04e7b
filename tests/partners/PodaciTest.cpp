#include "partners/Podaci.h"
#include "AsOrdinaryUser.h"
#include "FakeUserDialogs.h"
#include "FileBytes.h"
#include "QtPrinters.h"
#include "TypeText.h"
#include "UserErrorOf.h"
#include "partners/PartnerEntry.h"
#include "partners/PartnerList.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QString entry(const char16_t *name, const char16_t *account, const char16_t *reference)
{
    return joinPartner(QString::fromUtf16(name), QString::fromUtf16(account), QString::fromUtf16(reference));
}

const QByteArray lastTwoEntries = "Ana\b111\b222\r\nGrad \x8Aibenik\b333\b99 1-2\r\n";
const QByteArray threeEntries = "Ivan Horvat\b2360000-1101234567\b01 12345\r\n" + lastTwoEntries;

class PodaciTest : public ::testing::Test
{
protected:
    void SetUp() override { writeFile(path, threeEntries); }

    ~PodaciTest() override { destroy(); }

    // The dialog as the program makes it: created hidden, loading the file; errors of creating and
    // destroying it are collected as the program would show them.
    void create()
    {
        form = std::make_unique<TForm2>(partners, dialogs);
        collectError([this] { form->FormCreate(); });
    }

    void destroy()
    {
        collectError([this] { form.reset(); });
    }

    template <typename Step> void collectError(Step &&step)
    {
        if (const QString error = userErrorOf(step); !error.isEmpty())
            stepErrors.append(error);
    }

    void createAndShow()
    {
        create();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    template <typename Widget> Widget *find(const char *name) const
    {
        Widget *widget = form->findChild<Widget *>(QLatin1StringView(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QListWidget *list() const { return find<QListWidget>("ListBox1"); }
    QWidget *work() const { return find<QWidget>("Work"); }
    QLineEdit *field(const char *name) const { return find<QLineEdit>(name); }

    void click(const char *button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }

    void clickRow(int row)
    {
        QListWidget *rows = list();
        const QPoint centre = rows->visualItemRect(rows->item(row)).center();
        QTest::mouseClick(rows->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    }

    int selectedRow() const
    {
        const QList<QListWidgetItem *> selected = list()->selectedItems();
        return selected.isEmpty() ? -1 : list()->row(selected.first());
    }

    QStringList rows() const
    {
        QStringList texts;
        for (int i = 0; i < list()->count(); ++i)
            texts.append(list()->item(i)->text());
        return texts;
    }

    void retype(const char *name, const QString &text)
    {
        QLineEdit *edit = field(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        typeText(edit, text);
    }

    void fill(const QString &name, const QString &account, const QString &reference)
    {
        retype("Name", name);
        retype("Account", account);
        retype("Poziv", reference);
    }

    QStringList fieldTexts() const
    {
        return {field("Name")->text(), field("Account")->text(), field("Poziv")->text()};
    }

    // Selects row and opens it for changing, as Promijeni does.
    void change(int row)
    {
        clickRow(row);
        click("BitBtn3");
    }

    bool editing() const { return work()->isVisible() && !list()->isEnabled(); }

    QTemporaryDir dir;
    QString path = dir.filePath(u"DataZor.dat"_s);
    PartnerList partners{path};
    FakeUserDialogs dialogs;
    QStringList stepErrors;
    std::unique_ptr<TForm2> form;
};

TEST_F(PodaciTest, CreationLoadsTheFileIntoAHiddenDialog)
{
    create();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->windowTitle(), u"Podaci"_s);
    EXPECT_EQ(rows(), partners.entries());
    ASSERT_EQ(partners.count(), 3);
    EXPECT_EQ(partners.at(2), entry(u"Grad Šibenik", u"333", u"99 1-2"));
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_TRUE(stepErrors.isEmpty());
}

TEST_F(PodaciTest, UnreadableFileIsReportedAndKeptUnlessUReduIsPressed)
{
    // As an ordinary user may: everyone reads, writes and enters the folder.
    QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777));
    for (const bool saved : {false, true}) {
        writeFile(path, threeEntries);
        QFile::setPermissions(path, QFileDevice::WriteOwner | QFileDevice::WriteOther);
        {
            AsOrdinaryUser user;
            create();
            EXPECT_EQ(stepErrors, QStringList{u"Datoteka %1 ne može se otvoriti"_s.arg(path)});
            EXPECT_EQ(list()->count(), 0);
            partners.append(u"new"_s);
            if (saved)
                click("BitBtn4");
            destroy();
        }
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        EXPECT_EQ(readAll(path), saved ? QByteArray("new\r\n") : threeEntries);
        EXPECT_EQ(stepErrors.size(), 1) << "nothing else failed";
        stepErrors.clear();
    }
}

TEST_F(PodaciTest, ListAreaKeepsItsHeightAndTheEditAreaTakesTheRest)
{
    createAndShow();
    EXPECT_EQ(form->size(), QSize(453, 391));
    EXPECT_EQ(list()->sizeHintForRow(0), 50);
    form->resize(600, 500);
    EXPECT_EQ(find<QWidget>("Panel1")->geometry(), QRect(0, 0, 600, 301));
    EXPECT_EQ(work()->geometry(), QRect(0, 301, 600, 199));
    EXPECT_EQ(list()->geometry(), QRect(14, 26, 417, 235));
}

TEST_F(PodaciTest, EditAreaTabsFromNameToAccountToSpremiToPoziv)
{
    createAndShow();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    click("BitBtn1");
    EXPECT_EQ(QApplication::focusWidget(), field("Name"));
    for (const char *next : {"Account", "Button1", "Poziv", "Name"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), find<QWidget>(next)) << next;
    }
}

TEST_F(PodaciTest, DodajAppendsTheTypedEntryAtTheEnd)
{
    createAndShow();
    click("BitBtn1");
    EXPECT_TRUE(editing());
    fill(u"Željko Č."_s, QString(), u"  1 42"_s);
    click("Button1");

    EXPECT_FALSE(editing());
    EXPECT_TRUE(list()->isEnabled());
    ASSERT_EQ(partners.count(), 4);
    EXPECT_EQ(partners.at(3), entry(u"Željko Č.", u"", u"  1 42")) << "no field is checked or trimmed";
    EXPECT_EQ(list()->item(3)->text(), partners.at(3));
    EXPECT_EQ(readAll(path), threeEntries) << "the file waits for U redu or the end";
}

TEST_F(PodaciTest, PromijeniFillsTheFieldsAndSpremiReplacesInPlace)
{
    createAndShow();
    change(0);
    EXPECT_TRUE(editing());
    EXPECT_EQ(fieldTexts(), (QStringList{u"Ivan Horvat"_s, u"2360000-1101234567"_s, u"01 12345"_s}))
        << "model, space and number whole";

    retype("Name", u"Ivan Horvat d.o.o."_s);
    click("Button1");
    EXPECT_FALSE(editing());
    EXPECT_EQ(partners.count(), 3);
    EXPECT_EQ(partners.at(0), entry(u"Ivan Horvat d.o.o.", u"2360000-1101234567", u"01 12345"));
    EXPECT_EQ(partners.at(1), entry(u"Ana", u"111", u"222"));
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(rows(), partners.entries());
}

TEST_F(PodaciTest, DodajAfterAChangeKeepsItsTextsAndAppendsACopy)
{
    createAndShow();
    change(1);
    retype("Account", u"999"_s);
    click("Button1");
    click("BitBtn1");
    EXPECT_EQ(fieldTexts(), (QStringList{u"Ana"_s, u"999"_s, u"222"_s}));
    click("Button1");
    ASSERT_EQ(partners.count(), 4);
    EXPECT_EQ(partners.at(1), partners.at(3));
}

TEST_F(PodaciTest, ListAreaIgnoresClicksWhileTheEditAreaIsOpen)
{
    createAndShow();
    change(2);
    for (const char *button : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4"}) {
        EXPECT_FALSE(find<QPushButton>(button)->isEnabled()) << button;
        click(button);
    }
    clickRow(0);
    EXPECT_EQ(selectedRow(), 2);
    EXPECT_EQ(partners.count(), 3);
    EXPECT_TRUE(form->isVisible());

    retype("Name", u"Šibenik"_s);
    click("Button1");
    EXPECT_EQ(partners.at(2), entry(u"Šibenik", u"333", u"99 1-2"));
    EXPECT_TRUE(find<QPushButton>("BitBtn2")->isEnabled());
}

TEST_F(PodaciTest, ObrisiDeletesTheSelectedEntryAtOnce)
{
    createAndShow();
    click("BitBtn2");
    EXPECT_EQ(partners.count(), 3) << "nothing selected: nothing happens";

    clickRow(1);
    click("BitBtn2");
    EXPECT_EQ(partners.entries(), (QStringList{entry(u"Ivan Horvat", u"2360000-1101234567", u"01 12345"),
                                               entry(u"Grad Šibenik", u"333", u"99 1-2")}));
    EXPECT_EQ(rows(), partners.entries());
    EXPECT_EQ(selectedRow(), -1);
    click("BitBtn2");
    EXPECT_EQ(partners.count(), 2);
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "one entry goes without a question";
}

TEST_F(PodaciTest, ObrisiDeletesEverySelectedEntryAfterAskingWhenThereAreSeveral)
{
    createAndShow();
    clickRow(0);
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                      list()->visualItemRect(list()->item(2)).center());
    dialogs.answerYes = false;
    click("BitBtn2");
    EXPECT_EQ(partners.count(), 3) << "the user said no";
    dialogs.answerYes = true;
    click("BitBtn2");
    EXPECT_EQ(partners.entries(), QStringList{entry(u"Ana", u"111", u"222")});
    EXPECT_EQ(dialogs.questions, QStringList(2, u"Obrisati 2 odabrana partnera?"_s));
    EXPECT_EQ(rows(), partners.entries());
    const std::pair<int, const char16_t *> counts[] = {
        {3, u"odabrana"},   {5, u"odabranih"}, {11, u"odabranih"}, {12, u"odabranih"},
        {21, u"odabranog"}, {24, u"odabrana"}, {111, u"odabranih"}};
    for (const auto &[count, selected] : counts)
        EXPECT_EQ(deletePartnersQuestion(count),
                  u"Obrisati %1 %2 partnera?"_s.arg(count).arg(QString::fromUtf16(selected)));
}

TEST_F(PodaciTest, PromijeniWithNothingSelectedIsAnIndexErrorThatChangesNothing)
{
    for (const bool empty : {false, true}) {
        if (empty)
            writeFile(path, QByteArray());
        createAndShow();
        field("Name")->setText(u"kept"_s);
        EXPECT_EQ(userErrorOf([&] { click("BitBtn3"); }), u"List index out of bounds (-1)"_s);
        EXPECT_FALSE(work()->isVisible());
        EXPECT_TRUE(list()->isEnabled());
        EXPECT_EQ(field("Name")->text(), u"kept"_s);
        EXPECT_EQ(rows(), partners.entries());
        EXPECT_EQ(partners.count(), empty ? 0 : 3);
    }
}

TEST_F(PodaciTest, UReduHidesAndWritesTheFile)
{
    createAndShow();
    clickRow(0);
    click("BitBtn2");
    click("BitBtn4");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(readAll(path), lastTwoEntries);
}

TEST_F(PodaciTest, CloseButtonOnlyHidesAndAnOpenEditAreaStaysOpen)
{
    createAndShow();
    clickRow(0);
    click("BitBtn2");
    click("BitBtn1");
    form->close();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(readAll(path), threeEntries);

    form->show();
    EXPECT_TRUE(editing());
    click("Button1");
    EXPECT_EQ(partners.count(), 3);
}

TEST_F(PodaciTest, EndOfTheProgramWritesTheListEvenIfTheDialogWasNeverShown)
{
    create();
    partners.append(entry(u"Primatelj", u"123", u"    7")); // as the main window's add buttons do
    destroy();
    EXPECT_EQ(readAll(path), threeEntries + "Primatelj\b123\b    7\r\n");
    EXPECT_TRUE(stepErrors.isEmpty());
}

TEST_F(PodaciTest, FailedWriteAtTheEndIsReportedNotThrown)
{
    writeFile(dir.filePath(u"blocked"_s), "x");
    PartnerList blocked(dir.filePath(u"blocked/DataZor.dat"_s));
    auto blockedForm = std::make_unique<TForm2>(blocked, dialogs);
    stepErrors.append(userErrorOf([&] { blockedForm->FormCreate(); }));
    stepErrors.append(userErrorOf([&] { blockedForm.reset(); }));
    EXPECT_EQ(stepErrors,
              (QStringList{QString(), u"Datoteka %1 ne može se stvoriti"_s.arg(blocked.filePath())}))
        << "loading finds no file; writing cannot create it";
}

TEST_F(PodaciTest, EntriesAppendedFromOutsideShowAtTheEndAtOnce)
{
    createAndShow();
    change(1);
    partners.append(entry(u"Novi", u"1", u"2"));
    EXPECT_EQ(list()->count(), 4);
    EXPECT_EQ(list()->item(3)->text(), entry(u"Novi", u"1", u"2"));
    EXPECT_EQ(selectedRow(), 1) << "the entry being changed stays selected";
    click("Button1");
    EXPECT_EQ(partners.at(1), entry(u"Ana", u"111", u"222"));
    EXPECT_EQ(partners.at(3), entry(u"Novi", u"1", u"2"));
}

TEST_F(PodaciTest, FieldsKeepOnlyWhatAnEntryCanHold)
{
    createAndShow();
    click("BitBtn1");
    retype("Name", u"A\bB"_s);
    field("Account")->setText(QStringLiteral("12\u0000\x0B"
                                             "3\u4E2D"));
    click("Button1");
    EXPECT_EQ(partners.at(3), entry(u"AB", u"123", u""));
}

TEST_F(PodaciTest, PromijeniAndSpremiWithoutTypingKeepTheEntryByteForByte)
{
    // Separators inside a reference show as "¦" while it is edited and go back when it is saved.
    const QByteArray withSeparators = "n\ba\br1\br2\r\n";
    writeFile(path, withSeparators);
    createAndShow();
    change(0);
    EXPECT_EQ(field("Poziv")->text(), u"r1¦r2"_s);
    click("Button1");
    click("BitBtn4");
    EXPECT_EQ(readAll(path), withSeparators);

    form->show();
    change(0);
    retype("Name", u"m"_s);
    click("Button1");
    EXPECT_EQ(partners.at(0), u"m\ba\br1\br2"_s);
}

TEST_F(PodaciTest, AnEntryLongerThanAFieldIsNotCutByPromijeni)
{
    writeFile(path, QByteArray(40'000, 'n') + "\b1\b2\r\n");
    createAndShow();
    clickRow(0);
    EXPECT_TRUE(userErrorOf([&] { click("BitBtn3"); }).startsWith(u"Zapis je predug"_s));
    EXPECT_FALSE(editing());
    EXPECT_EQ(partners.at(0).size(), 40'000 + 4);
}

TEST_F(PodaciTest, AFileThatDidNotLoadWholeIsKeptAtTheEndAndAnAddSaysSo)
{
    const QByteArray cutShort("a\r\n\0hidden\r\n", 12);
    for (const bool saved : {false, true}) {
        writeFile(path, cutShort);
        create();
        click("BitBtn1");
        fill(u"novi"_s, QString(), QString());
        const QString warning = userErrorOf([&] { click("Button1"); });
        EXPECT_TRUE(warning.startsWith(u"Popis partnera neće se spremiti"_s)) << warning.toStdString();
        EXPECT_EQ(partners.count(), 2) << "the add itself is done";
        if (saved)
            click("BitBtn4");
        destroy();
        EXPECT_EQ(readAll(path), saved ? QByteArray("a\r\nnovi\x08\x08\r\n") : cutShort);
        EXPECT_TRUE(stepErrors.isEmpty());
    }
}

} // namespace
