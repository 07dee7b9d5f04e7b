#include "TypeText.h"
#include "WindowFixture.h"

namespace {

using namespace Qt::StringLiterals;

class PaymentHintsTest : public WindowFixture
{
protected:
    void typeInto(const char *control, const QString &text)
    {
        auto *edit = child<QLineEdit>(control);
        edit->setFocus();
        typeText(edit, text);
    }
};

TEST_F(PaymentHintsTest, MarksFollowTypingInBothTabs)
{
    const struct
    {
        const char *model; // the model control and what it is set to, or null for an account
        const char16_t *modelText;
        const char *control;
        const char16_t *typed;
        CheckStatus status;
        const char16_t *reason;
    } cases[] = {
        {nullptr, u"", "MaskEdit7", u"1001005-1863000160", CheckStatus::Valid,
         u"IBAN: HR12 1001 0051 8630 0016 0"},
        {"MaskEdit6", u" 01", "MaskEdit8", u"12345-678", CheckStatus::Invalid,
         u"kontrolni broj treba biti 9"},
        {nullptr, u"", "Racun1", u"HR1210010051863000161", CheckStatus::Invalid,
         u"kontrolni broj treba biti 82"},
        {"pb11", u" 68", "pb12", u"8214-12345678903", CheckStatus::Valid,
         u"poziv na broj odgovara modelu HR68"},
        {nullptr, u"", "Racun2", u"30101-601-25434", CheckStatus::Unchecked,
         u"nepoznat oblik računa, nije provjeren"},
        {"pb21", u" 01", "pb22", u"10230578", CheckStatus::Invalid, u"kontrolni broj treba biti 2"},
    };
    showWindow();
    for (const auto &c : cases) {
        if (c.model)
            set(c.model, QString::fromUtf16(c.modelText));
        EXPECT_EQ(checkMark(c.control)->status(), c.model ? CheckStatus::Invalid : CheckStatus::Empty)
            << c.control << ": a model without a reference is incomplete, an empty account shows nothing";
        typeInto(c.control, QString::fromUtf16(c.typed));
        EXPECT_EQ(text(c.control).trimmed(), QString::fromUtf16(c.typed)) << "the hint changes nothing";
        EXPECT_EQ(checkMark(c.control)->status(), c.status) << c.control;
        EXPECT_EQ(checkMark(c.control)->toolTip(), QString::fromUtf16(c.reason)) << c.control;
        EXPECT_FALSE(checkMark(c.control)->isHidden()) << c.control;
    }
}

TEST_F(PaymentHintsTest, TheModelCountsAsMuchAsTheReference)
{
    set("MaskEdit8", u"102-3057-89016"_s);
    EXPECT_EQ(checkMark("MaskEdit8")->status(), CheckStatus::Invalid);
    set("MaskEdit6", u" 01"_s);
    EXPECT_EQ(checkMark("MaskEdit8")->status(), CheckStatus::Valid);
    set("MaskEdit6", u" 02"_s);
    EXPECT_EQ(checkMark("MaskEdit8")->toolTip(), u"P2: kontrolni broj treba biti 0"_s);
    click("Button1");
    EXPECT_TRUE(checkMark("MaskEdit8")->isHidden()) << "cleared fields show no mark";
}

TEST_F(PaymentHintsTest, StatusBarShowsTheReasonWhileTheFieldHasFocus)
{
    showActiveWindow();
    const QString title = statusText();
    set("MaskEdit6", u" 01"_s);
    typeInto("MaskEdit8", u"12345-678"_s);
    EXPECT_EQ(statusText(), u"kontrolni broj treba biti 9"_s);
    typeText(child<QLineEdit>("MaskEdit8"), u"9"_s);
    EXPECT_EQ(statusText(), u"poziv na broj odgovara modelu HR01"_s) << "follows each key";
    child<QLineEdit>("MaskEdit6")->setFocus();
    EXPECT_EQ(statusText(), u"poziv na broj odgovara modelu HR01"_s) << "the model shows its reference's";
    child<QLineEdit>("Edit3")->setFocus();
    EXPECT_EQ(statusText(), title);
    typeInto("MaskEdit7", u"1001005-1863000160"_s);
    EXPECT_EQ(statusText(), u"IBAN: HR12 1001 0051 8630 0016 0"_s);
    selectTab(SlipKind::Zorvat);
    child<QLineEdit>("Racun2")->setFocus();
    EXPECT_EQ(statusText(), title) << "an empty field has nothing to say";
}

TEST_F(PaymentHintsTest, EachMarkStandsLevelWithItsFieldOverNoControlNorTheField)
{
    const std::pair<SlipKind, const char *> fields[] = {
        {SlipKind::Uplatnica, "MaskEdit7"}, {SlipKind::Uplatnica, "MaskEdit8"}, {SlipKind::Zorvat, "Racun1"},
        {SlipKind::Zorvat, "pb12"},         {SlipKind::Zorvat, "Racun2"},       {SlipKind::Zorvat, "pb22"},
    };
    showWindow();
    for (const auto &[kind, control] : fields) {
        selectTab(kind);
        const auto *field = child<QLineEdit>(control);
        const CheckMark *shown = checkMark(control);
        const QWidget *panel = field->parentWidget();
        const QRect place(shown->mapTo(panel, QPoint(0, 0)), shown->size());
        EXPECT_TRUE(panel->rect().contains(place)) << control;
        EXPECT_NEAR(place.center().y(), field->geometry().center().y(), 1) << control;
        for (const QWidget *other : panel->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (other != shown && other != field && other->isVisible()) {
                EXPECT_FALSE(other->geometry().intersects(place))
                    << control << " covers " << other->objectName().toStdString();
            }
        }
        EXPECT_FALSE(field->geometry().intersects(place)) << control << ": covers the field's end";
    }
}

} // namespace

// A hint wider than the first panel spreads over the empty one, shown whole from its first letter
// to its last; the title comes back in the panel's own width.
TEST_F(PaymentHintsTest, TheStatusBarShowsAHintWholeAtBothEnds)
{
    const struct
    {
        const char *page, *control;
        const char16_t *typed;
        bool wide; // wider than the first panel's own 300 pixels
    } cases[] = {
        {"Hub3aPage", "Hub3aPayerIban", u"10010051863000160", true},
        {"TabSheet2", "Racun2", u"30101-601-25434", false},
    };
    showActiveWindow();
    const auto *panel = child<QLabel>("TitlePanel");
    for (const auto &c : cases) {
        child<QTabWidget>("PageControl1")->setCurrentWidget(child(c.page));
        typeInto(c.control, QString::fromUtf16(c.typed));
        QApplication::processEvents();
        ASSERT_NE(statusText(), QString()) << c.control;
        // A framed label keeps half a letter from its left edge.
        const QFontMetrics metrics = panel->fontMetrics();
        EXPECT_GE(panel->contentsRect().width() - metrics.horizontalAdvance(u'x') / 2,
                  metrics.horizontalAdvance(statusText()))
            << statusText().toStdString();
        EXPECT_LT(panel->geometry().right(), child<QLabel>("TimePanel")->geometry().left()) << c.control;
        EXPECT_EQ(panel->width() > 300, c.wide) << c.control;
        child(c.control)->clearFocus();
        QApplication::processEvents();
        EXPECT_EQ(panel->width(), 300) << c.control;
    }
}
