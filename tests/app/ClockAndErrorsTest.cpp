#include "UserError.h"
#include "WindowFixture.h"

#include <QLabel>
#include <QPushButton>

namespace {

using ClockAndErrors = WindowFixture;

TEST_F(ClockAndErrors, ClockShowsTimeAndDateWithinHalfASecond)
{
    auto *time = child<QLabel>("TimePanel");
    auto *date = child<QLabel>("DatePanel");
    QTRY_COMPARE_WITH_TIMEOUT(time->text(), QStringLiteral("09:05:03"), 2000);
    EXPECT_EQ(date->text(), QStringLiteral("06.12.2001."));

    clock.time = QDateTime(QDate(2002, 1, 1), QTime(23, 59, 59));
    QTRY_COMPARE_WITH_TIMEOUT(time->text(), QStringLiteral("23:59:59"), 2000);
    EXPECT_EQ(date->text(), QStringLiteral("01.01.2002."));
}

TEST_F(ClockAndErrors, AnErrorEscapingAHandlerIsShownAndTheWindowGoesOn)
{
    auto *button = child<QPushButton>("Button1");
    QObject::connect(button, &QPushButton::clicked, window.get(),
                     [] { throw UserError(QStringLiteral("Failed to get data for 'Left'")); });
    set("Memo1", QStringLiteral("x"));
    click("Button1");
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Failed to get data for 'Left'.")});
    EXPECT_EQ(text("Memo1"), QString());

    click("Button1");
    EXPECT_EQ(dialogs.errors.size(), 2);
}

TEST_F(ClockAndErrors, ErrorBoxAddsNoSecondFullStop)
{
    app()->runReportingErrors([] { throw UserError(QStringLiteral("Disk full.")); });
    app()->runReportingErrors([] { throw std::runtime_error("plain"); });
    EXPECT_EQ(dialogs.errors, (QStringList{QStringLiteral("Disk full."), QStringLiteral("plain.")}));
}

} // namespace
