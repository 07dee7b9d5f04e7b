#include "QtMessages.h"

#include <QString>

#include <cstdio>

namespace {

void handleQtMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtFatalMsg)
        return;
    // Qt aborts after a fatal message; the reason goes out as one line of the tool's own form.
    std::fprintf(stderr, "zorprint-render: %s\n", qUtf8Printable(QString(message).replace(u'\n', u' ')));
}

} // namespace

void keepQtMessagesOffStandardError()
{
    qInstallMessageHandler(handleQtMessage);
}
