#pragma once

#include "FakePrintSource.h"
#include "FakePrinter.h"
#include "model/SettingsStore.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// What the print jobs and print dialogs work with: a fresh settings store in a temporary folder,
// the fake printer and the main window's side of printing.
class FakePrintTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QTemporaryDir dir;
    SettingsStore store{dir.filePath(QStringLiteral("settings.db"))};
    FakePrinter printer;
    FakePrintSource source;
};

// A dialog's control by its object name, and a mouse click on one of its buttons.
template <typename T> T *control(const QWidget &dialog, const char *name)
{
    return dialog.findChild<T *>(QLatin1StringView(name));
}

inline void clickButton(const QWidget &dialog, const char *name)
{
    QTest::mouseClick(control<QPushButton>(dialog, name), Qt::LeftButton);
}
