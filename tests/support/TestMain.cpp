#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every test runs headless on the offscreen platform, in the C locale, at 96 dpi,
// with a private runtime folder so Qt stays quiet.
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
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
