#pragma once

#include "FakeUserDialogs.h"
#include "FixedClock.h"
#include "PaintCounter.h"
#include "QtPrinters.h"
#include "app/SlipControls.h"
#include "app/ZorPrint.h"
#include "app/ZorvatApplication.h"
#include "model/SettingsStore.h"
#include "partners/PartnerList.h"

#include <QAbstractButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// A main window over a settings store and a partner file in a fresh temporary folder, with dialogs
// that tests answer. Errors escaping a handler go to the same fake dialogs.
class WindowFixture : public ::testing::Test
{
protected:
    WindowFixture()
        : store(dir.filePath(QStringLiteral("settings.db"))),
          partners(dir.filePath(QStringLiteral("DataZor.dat"))),
          window(std::make_unique<TForm1>(WindowServices{store, partners, dialogs, clock}))
    {
        app()->setErrorDialogs(&dialogs);
    }
    ~WindowFixture() override { app()->setErrorDialogs(nullptr); }

    static ZorvatApplication *app() { return static_cast<ZorvatApplication *>(QCoreApplication::instance()); }

    template <typename T = QWidget> T *child(const char *name) const
    {
        T *found = window->findChild<T *>(QLatin1StringView(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString text(const char *control) const
    {
        return window->fields().controlText(QLatin1StringView(control));
    }
    void set(const char *control, const QString &value)
    {
        window->fields().setControlText(QLatin1StringView(control), value);
    }
    void click(const char *button) { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    void showWindow()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void selectTab(SlipKind kind)
    {
        child<QTabWidget>("PageControl1")->setCurrentIndex(kind == SlipKind::Uplatnica ? 0 : 1);
    }

    QTemporaryDir dir;
    SettingsStore store;
    PartnerList partners;
    FakeUserDialogs dialogs;
    FixedClock clock;
    std::unique_ptr<TForm1> window;
};
