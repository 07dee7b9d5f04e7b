#include "ZorvatApplication.h"

#include <QByteArray>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The window tests run under the program's own application object, so that an error escaping a
// handler reaches the error box as it does in the program. Defining main here keeps the shared
// test main out of this executable; the set-up is the same: offscreen, C locale, 96 dpi.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QTemporaryDir runtimeDir;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid()) {
        QFile::setPermissions(runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    }
    QLocale::setDefault(QLocale::c());
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    ZorvatApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
