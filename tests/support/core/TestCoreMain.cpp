#include "TestEnvironment.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

// The main of test programs below the windows: a GUI application for fonts and painting, no widgets.
int main(int argc, char **argv)
{
    QTemporaryDir runtimeDir;
    prepareTestEnvironment(runtimeDir);
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
