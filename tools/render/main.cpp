#include "QtMessages.h"
#include "RenderTool.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char **argv)
{
    // Taken before the application object exists: it removes options of its own, "--style" among them.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    keepQtMessagesOffStandardError();
    // Fonts need a GUI application object, but nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream errors(stderr);
    return runRenderTool(arguments, out, errors);
}
