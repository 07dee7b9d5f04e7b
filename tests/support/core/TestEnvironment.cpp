#include "TestEnvironment.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>

void prepareTestEnvironment(const QTemporaryDir &runtimeDir)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtimeDir.isValid()) {
        QFile::setPermissions(runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtimeDir.path()));
    }
    // The payments book and the partner file live in the data folder: a test never touches the
    // real user's.
    if (runtimeDir.isValid())
        qputenv("XDG_DATA_HOME", QFile::encodeName(runtimeDir.filePath(QStringLiteral("data"))));
    QLocale::setDefault(QLocale::c());
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
}
