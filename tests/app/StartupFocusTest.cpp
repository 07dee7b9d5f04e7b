#include "WindowFixture.h"

#include <QApplication>

namespace {

using StartupFocus = WindowFixture;

// The focus starts in the active tab's first field and moves to the next tab's first field on
// each switch, so typing goes into a field and the arrow keys move in it instead of switching tabs.
TEST_F(StartupFocus, TheFirstFieldOfTheActiveTabHasTheFocusAtStartUpAndAfterEachSwitch)
{
    showWindow();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
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
        QTest::keyClicks(focused, QStringLiteral("7"));
        QTest::keyClick(focused, Qt::Key_Right);
        EXPECT_EQ(text(step.firstField), QStringLiteral("7")) << step.firstField;
        EXPECT_EQ(olderSlipKind(window->activeKind()), step.tab);
    }
    child<QTabWidget>("PageControl1")->setCurrentWidget(child("Hub3aPage"));
    QWidget *focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->objectName(), QStringLiteral("Hub3aPayerName"));
    QTest::keyClicks(focused, QStringLiteral("7"));
    EXPECT_EQ(window->hub3aData()[Hub3aField::PayerName], QStringLiteral("7"));
    EXPECT_EQ(window->activeKind(), FormKind::Hub3a);
}

} // namespace
