#include "ZorvatApplication.h"

#include "HandlerErrors.h"
#include "UserDialogs.h"
#include "UserError.h"

#include <exception>

namespace {

QString currentExceptionText()
{
    try {
        throw;
    } catch (const UserError &error) {
        return error.text();
    } catch (const std::exception &error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

} // namespace

ZorvatApplication::ZorvatApplication(int &argc, char **argv) : QApplication(argc, argv) {}

QString ZorvatApplication::title()
{
    return QStringLiteral("ZORVAT Print");
}

void ZorvatApplication::setErrorDialogs(UserDialogs *dialogs)
{
    m_dialogs = dialogs;
}

bool ZorvatApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        const bool handled = QApplication::notify(receiver, event);
        rethrowHandlerError();
        return handled;
    } catch (...) {
        reportCurrentException();
        return false;
    }
}

bool ZorvatApplication::runReportingErrors(const std::function<void()> &step)
{
    try {
        step();
        rethrowHandlerError();
        return true;
    } catch (...) {
        reportCurrentException();
        return false;
    }
}

void ZorvatApplication::reportCurrentException()
{
    const QString text = currentExceptionText();
    if (m_dialogs)
        m_dialogs->showError(text);
    else
        qCritical("%s", qUtf8Printable(errorBoxText(text)));
}
