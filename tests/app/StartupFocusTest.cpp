#include "WindowFixture.h"

#include <QApplication>

namespace {

using namespace Qt::StringLiterals;

using StartupFocus = WindowFixture;

// The focus starts in the active tab's first field and moves to the next tab's first field on
// each switch, so typing goes into a field and the arrow keys move in it instead of switching tabs.
TEST_F(StartupFocus, TheFirstFieldOfTheActiveTabHasTheFocusAtStartUpAndAfterEachSwitch)
{
    showActiveWindow();
    const struct
    {
        SlipKind tab;
        const char *firstField;
    } steps[] = {
        {SlipKind::Uplatnica, "Edit1"}, {SlipKind::Zorvat, "Nalogodavac"}, {SlipKind::Uplatnica, "Edit1"}};
    for (const auto &step : steps) {
        selectTab(step.tab);
        QWidget *focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), QLatin1StringView(step.firstField));
        set(step.firstField, QString());
        QTest::keyClicks(focused, u"7"_s);
        QTest::keyClick(focused, Qt::Key_Right);
        EXPECT_EQ(text(step.firstField), u"7"_s) << step.firstField;
        EXPECT_EQ(olderSlipKind(window->activeKind()), step.tab);
    }
    child<QTabWidget>("PageControl1")->setCurrentWidget(child("Hub3aPage"));
    QWidget *focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->objectName(), u"Hub3aPayerName"_s);
    QTest::keyClicks(focused, u"7"_s);
    EXPECT_EQ(window->hub3aData()[Hub3aField::PayerName], u"7"_s);
    EXPECT_EQ(window->activeKind(), FormKind::Hub3a);
}

} // namespace
