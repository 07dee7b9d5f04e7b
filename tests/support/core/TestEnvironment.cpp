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
    QLocale::setDefault(QLocale::c());
    QCoreApplication::setAttribute(Qt::AA_Use96Dpi);
}
