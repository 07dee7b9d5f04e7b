#pragma once

#include "FakeUserDialogs.h"
#include "FileBytes.h"
#include "FixedClock.h"
#include "FreshBook.h"
#include "PaintCounter.h"
#include "QtPrinters.h"
#include "app/SlipControls.h"
#include "app/ZorPrint.h"
#include "app/ZorvatApplication.h"
#include "model/SettingsStore.h"
#include "partners/PartnerList.h"
#include "ui/CheckMark.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>

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
    // Sets the controls in the order given, as typing into them one after another would.
    void set(std::initializer_list<std::pair<const char *, QString>> controls)
    {
        for (const auto &[control, value] : controls)
            set(control, value);
    }
    void click(const char *button) { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    void showWindow()
    {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    // Shown and active, so that the focus and the keys go to its fields.
    void showActiveWindow()
    {
        showWindow();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    SlipTexts texts(SlipKind kind) const { return window->fields().record(kind).texts; }
    QString statusText() const { return child<QLabel>("TitlePanel")->text(); }
    // The mark beside a field that says whether its account, reference, amount or date can be used.
    CheckMark *checkMark(const char *control) const
    {
        return child<CheckMark>((QByteArray(control) + "Check").constData());
    }
    QString path(const char *name) const { return dir.filePath(QLatin1StringView(name)); }
    // Writes a file whole and gives its path, to hand straight to a file dialog's answer.
    static QString writeFile(const QString &file, const QByteArray &bytes)
    {
        EXPECT_TRUE(writeFileBytes(file, bytes)) << file.toStdString();
        return file;
    }
    // "Učitaj" answered with file, an error going to the error box as in the program.
    void load(const QString &file)
    {
        dialogs.setNextFileName(file);
        app()->runReportingErrors([&] { trigger("Uitaj1"); });
    }
    void selectTab(SlipKind kind)
    {
        child<QTabWidget>("PageControl1")->setCurrentIndex(kind == SlipKind::Uplatnica ? 0 : 1);
    }

    const FreshBook book; // slips of one test are no repeats of another's
    QTemporaryDir dir;
    SettingsStore store;
    PartnerList partners;
    FakeUserDialogs dialogs;
    FixedClock clock;
    std::unique_ptr<TForm1> window;
};
