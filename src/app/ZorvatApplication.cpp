#include "app/ZorvatApplication.h"

#include "model/UserError.h"
#include "ui/HandlerErrors.h"
#include "ui/UserDialogs.h"

#include <QProxyStyle>

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

// The platform's style, except for the overflow buttons of menu bars and tool bars: Qt reads
// their pictures from files whose format it detects by loading every image plugin, which cost
// every start-up that much. The main window's one menu never overflows, so no picture is needed.
class ZorvatStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override
    {
        if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
            return QIcon();
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

ZorvatApplication::ZorvatApplication(int &argc, char **argv) : HandlerApplication(argc, argv)
{
    setStyle(new ZorvatStyle);
    // Lets the desktop match the windows to the program's desktop entry and show its icon.
    setDesktopFileName(QStringLiteral(ZORVAT_APP_ID));
}

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
