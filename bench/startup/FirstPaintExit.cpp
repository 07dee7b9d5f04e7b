#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <unistd.h>

// Linked into the programs that the start-up benchmark starts: ends the process once the first paint
// of a shown window is done, which is when the user first sees the program.
namespace {

class FirstPaintExit : public QObject
{
    bool m_painting = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window()->isVisible() && !m_painting) {
            m_painting = true;
            // Runs after every widget of this paint has drawn.
            QMetaObject::invokeMethod(
                qApp, [] { _exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }
};

void installFirstPaintExit()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintExit);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installFirstPaintExit)
