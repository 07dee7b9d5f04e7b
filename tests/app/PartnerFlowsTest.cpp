#include "WindowFixture.h"
#include "partners/PartnerEntry.h"

#include <QListWidget>
#include <QScrollBar>

namespace {

class PartnerFlows : public WindowFixture
{
protected:
    // Opens the pick panel with button, selects row (-1: none) and accepts.
    void pick(const char *button, int row)
    {
        click(button);
        auto *list = child<QListWidget>("ListBox1");
        if (row >= 0)
            list->setCurrentRow(row);
        click("SpeedButton12");
    }
    QString entry(const QString &name, const QString &account, const QString &reference) const
    {
        return joinPartner(name, account, reference);
    }
};

TEST_F(PartnerFlows, PickedReferenceIsDividedAtItsFirstSpace)
{
    const struct
    {
        const char *button;
        const char16_t *reference;
        const char *name, *account, *model, *number;
        const char16_t *model0; // the model box before the pick
        const char16_t *expectedModel, *expectedNumber;
    } cases[] = {
        {"SpeedButton6", u"001 12345", "Nalogodavac", "Racun1", "pb11", "pb12", u"", u"001", u"12345"},
        {"SpeedButton3", u"001 12345", "Memo3", "MaskEdit7", "MaskEdit6", "MaskEdit8", u"", u"001", u"12345"},
        {"SpeedButton3", u"    12345", "Memo3", "MaskEdit7", "MaskEdit6", "MaskEdit8", u"9", u"   ",
         u"   12345"},
        {"SpeedButton3", u"01  12345", "Memo3", "MaskEdit7", "MaskEdit6", "MaskEdit8", u"", u" 01",
         u" 12345"},
        {"SpeedButton8", u"12345", "Primatelj", "Racun2", "pb21", "pb22", u"4", u"  4", u"12345          "},
    };
    for (const auto &c : cases) {
        partners.append(
            entry(QStringLiteral("HEP d.d."), QStringLiteral("2360000-1"), QString::fromUtf16(c.reference)));
        set(c.model, QString::fromUtf16(c.model0));
        pick(c.button, partners.count() - 1);
        EXPECT_EQ(text(c.name), QStringLiteral("HEP d.d.")) << c.button;
        EXPECT_EQ(text(c.account), QStringLiteral("2360000-1")) << c.button;
        EXPECT_EQ(text(c.model), QString::fromUtf16(c.expectedModel)) << c.button;
        EXPECT_EQ(text(c.number), QString::fromUtf16(c.expectedNumber)) << c.button;
        EXPECT_FALSE(child("PickPanel")->isVisibleTo(window.get()));
    }
}

TEST_F(PartnerFlows, PayerOfThePaymentSlipTakesTheNameOnly)
{
    partners.append(entry(QStringLiteral("Ivan Horvat"), QStringLiteral("111"), QStringLiteral("001 2")));
    const SlipRecord before = window->fields().record(SlipKind::Uplatnica);
    pick("SpeedButton1", 0);
    SlipRecord expected = before;
    expected.texts[1] = QStringLiteral("Ivan Horvat");
    EXPECT_EQ(window->fields().record(SlipKind::Uplatnica).texts, expected.texts);
}

TEST_F(PartnerFlows, AcceptingWithoutASelectionShowsTheIndexError)
{
    partners.append(entry(QStringLiteral("A"), QStringLiteral("1"), QStringLiteral("2")));
    set("Memo1", QStringLiteral("unchanged"));
    pick("SpeedButton1", -1);
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("List index out of bounds (-1).")});
    EXPECT_EQ(text("Memo1"), QStringLiteral("unchanged"));
    EXPECT_FALSE(child("PickPanel")->isVisibleTo(window.get()));
}

TEST_F(PartnerFlows, PanelOpensBesideItsButtonWithACopyOfTheList)
{
    partners.append(entry(QStringLiteral("A"), QString(), QString()));
    partners.append(entry(QStringLiteral("B"), QString(), QString()));
    showWindow();
    QWidget *panel = child("PickPanel");
    auto *list = child<QListWidget>("ListBox1");

    click("SpeedButton1");
    const QPoint below = child("SpeedButton1")->mapTo(window.get(), QPoint(0, 19 + 2));
    EXPECT_EQ(panel->pos(), below);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(list->count(), 2);
    EXPECT_TRUE(list->selectedItems().isEmpty());

    list->setCurrentRow(1);
    partners.append(entry(QStringLiteral("C"), QString(), QString()));
    click("SpeedButton3");
    const QPoint above = child("SpeedButton3")->mapTo(window.get(), QPoint(0, -79 - 2));
    EXPECT_EQ(panel->pos(), above);
    EXPECT_EQ(list->count(), 3);
    EXPECT_TRUE(list->selectedItems().isEmpty());
}

TEST_F(PartnerFlows, AddAppendsWhateverTheFieldsHoldAndSaysSo)
{
    set("Primatelj", QStringLiteral("HEP d.d."));
    set("Racun2", QStringLiteral("2360000-1"));
    set("pb22", QStringLiteral("12345"));
    click("SpeedButton10");
    click("SpeedButton10");
    click("SpeedButton5");
    const QString recipient =
        entry(QStringLiteral("HEP d.d."), QStringLiteral("2360000-1"), QStringLiteral("    12345          "));
    EXPECT_EQ(partners.entries(),
              (QStringList{recipient, recipient, entry(QString(), QString(), QStringLiteral("    "))}));
    EXPECT_EQ(dialogs.messages, (QStringList{QStringLiteral("HEP d.d.  je dodan u bazu!"),
                                             QStringLiteral("HEP d.d.  je dodan u bazu!"),
                                             QStringLiteral("  je dodan u bazu!")}));

    set("Nalogodavac", QStringLiteral("Firma"));
    set("pb11", QStringLiteral("1"));
    click("SpeedButton11");
    EXPECT_EQ(partners.at(3), entry(QStringLiteral("Firma"), QString(), QStringLiteral("  1 ")));
}

TEST_F(PartnerFlows, AnAddedRecipientPicksBackTheSame)
{
    set("Memo3", QStringLiteral("HEP d.d."));
    set("MaskEdit8", QStringLiteral("12345"));
    click("SpeedButton5");
    set("Memo3", QString());
    set("MaskEdit8", QString());
    pick("SpeedButton3", 0);
    EXPECT_EQ(text("Memo3"), QStringLiteral("HEP d.d."));
    EXPECT_EQ(text("MaskEdit6"), QStringLiteral("   "));
    EXPECT_EQ(text("MaskEdit8"), QStringLiteral("   12345"));
}

} // namespace

namespace {

using PickList = PartnerFlows;

TEST_F(PickList, ShowsFourRowsWithoutAHorizontalBarAndEscapeClosesItWithoutChoosing)
{
    for (const int count : {5, 30, 4}) {
        while (partners.count() > 0)
            partners.remove(0);
        for (int i = 0; i < count; ++i)
            partners.append(
                entry(QStringLiteral("Partner d.o.o. broj %1 iz Zagreba").arg(i), QString(), QString()));
        showWindow();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        set("Memo1", QStringLiteral("prije"));
        click("SpeedButton1");
        auto *list = child<QListWidget>("ListBox1");
        QApplication::processEvents();
        EXPECT_FALSE(list->horizontalScrollBar()->isVisible()) << count;
        EXPECT_EQ(list->verticalScrollBar()->isVisible(), count > 4) << count;
        int whole = 0;
        for (int row = 0; row < count; ++row) {
            if (list->viewport()->rect().contains(list->visualItemRect(list->item(row))))
                ++whole;
        }
        EXPECT_EQ(whole, 4) << count;

        list->setCurrentRow(1);
        child("Memo1")->setFocus(); // Escape works wherever the focus is in the window
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        EXPECT_FALSE(child("PickPanel")->isVisible()) << count;
        EXPECT_EQ(text("Memo1"), QStringLiteral("prije"));
    }
}

} // namespace
