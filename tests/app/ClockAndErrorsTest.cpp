#include "WindowFixture.h"
#include "model/UserError.h"
#include "ui/HandlerErrors.h"

namespace {

using namespace Qt::StringLiterals;

using ClockAndErrors = WindowFixture;

TEST_F(ClockAndErrors, ClockShowsTimeAndDateWithinHalfASecond)
{
    auto *time = child<QLabel>("TimePanel");
    auto *date = child<QLabel>("DatePanel");
    QTRY_COMPARE_WITH_TIMEOUT(time->text(), u"09:05:03"_s, 2000);
    EXPECT_EQ(date->text(), u"06.12.2001."_s);

    clock.time = QDateTime(QDate(2002, 1, 1), QTime(23, 59, 59));
    QTRY_COMPARE_WITH_TIMEOUT(time->text(), u"23:59:59"_s, 2000);
    EXPECT_EQ(date->text(), u"01.01.2002."_s);
}

// A handler's error is shown once the click has been delivered, and the other handlers of the
// click still run.
TEST_F(ClockAndErrors, AnErrorOfAHandlerIsShownAndTheWindowGoesOn)
{
    auto *button = child<QPushButton>("Button1");
    QObject::connect(button, &QPushButton::clicked, window.get(),
                     [] { runHandler([] { throw UserError(u"Failed to get data for 'Left'"_s); }); });
    set("Memo1", u"x"_s);
    click("Button1");
    EXPECT_EQ(dialogs.errors, QStringList{u"Failed to get data for 'Left'."_s});
    EXPECT_EQ(text("Memo1"), QString());

    click("Button1");
    EXPECT_EQ(dialogs.errors.size(), 2);
}

// An error that leaves an event handler itself is caught where the event is delivered and shown.
TEST_F(ClockAndErrors, AnErrorEscapingAnEventIsShown)
{
    class Failing : public QObject
    {
    protected:
        bool event(QEvent *) override { throw std::runtime_error("Access violation"); }
    } receiver;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &event));
    EXPECT_EQ(dialogs.errors, QStringList{u"Access violation."_s});
}

TEST_F(ClockAndErrors, ErrorBoxAddsNoSecondFullStop)
{
    app()->runReportingErrors([] { throw UserError(u"Disk full."_s); });
    app()->runReportingErrors([] { throw std::runtime_error("plain"); });
    EXPECT_EQ(dialogs.errors, (QStringList{u"Disk full."_s, u"plain."_s}));
}

} // namespace
