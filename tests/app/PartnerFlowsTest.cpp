#include "WindowFixture.h"
#include "partners/PartnerEntry.h"

#include <QScrollBar>

namespace {

using namespace Qt::StringLiterals;

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
        partners.append(joinPartner(u"HEP d.d."_s, u"2360000-1"_s, QString::fromUtf16(c.reference)));
        set(c.model, QString::fromUtf16(c.model0));
        pick(c.button, partners.count() - 1);
        EXPECT_EQ(text(c.name), u"HEP d.d."_s) << c.button;
        EXPECT_EQ(text(c.account), u"2360000-1"_s) << c.button;
        EXPECT_EQ(text(c.model), QString::fromUtf16(c.expectedModel)) << c.button;
        EXPECT_EQ(text(c.number), QString::fromUtf16(c.expectedNumber)) << c.button;
        EXPECT_FALSE(child("PickPanel")->isVisibleTo(window.get()));
    }
}

TEST_F(PartnerFlows, PayerOfThePaymentSlipTakesTheNameOnly)
{
    partners.append(joinPartner(u"Ivan Horvat"_s, u"111"_s, u"001 2"_s));
    const SlipRecord before = window->fields().record(SlipKind::Uplatnica);
    pick("SpeedButton1", 0);
    SlipRecord expected = before;
    expected.texts[1] = u"Ivan Horvat"_s;
    EXPECT_EQ(window->fields().record(SlipKind::Uplatnica).texts, expected.texts);
}

TEST_F(PartnerFlows, AcceptingWithoutASelectionShowsTheIndexError)
{
    partners.append(joinPartner(u"A"_s, u"1"_s, u"2"_s));
    set("Memo1", u"unchanged"_s);
    pick("SpeedButton1", -1);
    EXPECT_EQ(dialogs.errors, QStringList{u"List index out of bounds (-1)."_s});
    EXPECT_EQ(text("Memo1"), u"unchanged"_s);
    EXPECT_FALSE(child("PickPanel")->isVisibleTo(window.get()));
}

TEST_F(PartnerFlows, PanelOpensBesideItsButtonWithACopyOfTheList)
{
    partners.append(joinPartner(u"A"_s, QString(), QString()));
    partners.append(joinPartner(u"B"_s, QString(), QString()));
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
    partners.append(joinPartner(u"C"_s, QString(), QString()));
    click("SpeedButton3");
    const QPoint above = child("SpeedButton3")->mapTo(window.get(), QPoint(0, -79 - 2));
    EXPECT_EQ(panel->pos(), above);
    EXPECT_EQ(list->count(), 3);
    EXPECT_TRUE(list->selectedItems().isEmpty());
}

TEST_F(PartnerFlows, AddAppendsWhateverTheFieldsHoldAndSaysSo)
{
    set({{"Primatelj", u"HEP d.d."_s}, {"Racun2", u"2360000-1"_s}, {"pb22", u"12345"_s}});
    click("SpeedButton10");
    click("SpeedButton10");
    click("SpeedButton5");
    const QString recipient = joinPartner(u"HEP d.d."_s, u"2360000-1"_s, u"    12345          "_s);
    EXPECT_EQ(partners.entries(),
              (QStringList{recipient, recipient, joinPartner(QString(), QString(), u"    "_s)}));
    EXPECT_EQ(dialogs.messages, (QStringList{u"HEP d.d.  je dodan u bazu!"_s, u"HEP d.d.  je dodan u bazu!"_s,
                                             u"  je dodan u bazu!"_s}));

    set({{"Nalogodavac", u"Firma"_s}, {"pb11", u"1"_s}});
    click("SpeedButton11");
    EXPECT_EQ(partners.at(3), joinPartner(u"Firma"_s, QString(), u"  1 "_s));
}

TEST_F(PartnerFlows, AnAddedRecipientPicksBackTheSame)
{
    set({{"Memo3", u"HEP d.d."_s}, {"MaskEdit8", u"12345"_s}});
    click("SpeedButton5");
    set({{"Memo3", QString()}, {"MaskEdit8", QString()}});
    pick("SpeedButton3", 0);
    EXPECT_EQ(text("Memo3"), u"HEP d.d."_s);
    EXPECT_EQ(text("MaskEdit6"), u"   "_s);
    EXPECT_EQ(text("MaskEdit8"), u"   12345"_s);
}

using PickList = PartnerFlows;

TEST_F(PickList, ShowsFourRowsWithoutAHorizontalBarAndEscapeClosesItWithoutChoosing)
{
    for (const int count : {5, 30, 4}) {
        while (partners.count() > 0)
            partners.remove(0);
        for (int i = 0; i < count; ++i)
            partners.append(joinPartner(u"Partner d.o.o. broj %1 iz Zagreba"_s.arg(i), QString(), QString()));
        showActiveWindow();
        set("Memo1", u"prije"_s);
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
        EXPECT_EQ(text("Memo1"), u"prije"_s);
    }
}

} // namespace
