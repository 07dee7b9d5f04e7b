#include "app/OffThread.h"

#include "app/BatchProgressDialog.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>

using namespace std::chrono_literals;

void WorkProgress::report(qint64 done, qint64 total, qint64 detail)
{
    m_done = done;
    m_total = total;
    m_detail = detail;
}

int WorkProgress::perMille() const
{
    const qint64 total = m_total;
    if (total <= 0)
        return 0;
    return static_cast<int>(std::clamp<qint64>(m_done * BatchProgressDialog::perMille / total, 0,
                                               BatchProgressDialog::perMille));
}

std::function<void(qint64, qint64)> WorkProgress::progressHook()
{
    return [this](qint64 done, qint64 total) { report(done, total); };
}

std::function<bool()> WorkProgress::cancelHook()
{
    return [this] { return cancelled(); };
}

namespace OffThread {

bool wait(QWidget *parent, const WaitLook &look, WorkProgress &progress,
          const std::function<bool(std::chrono::milliseconds)> &finished,
          const std::function<void(BatchProgressDialog &)> &whileShown)
{
    std::optional<BatchProgressDialog> dialog;
    const auto update = [&] {
        if (look.label)
            dialog->setLabelText(look.label(progress));
        dialog->setValue(progress.perMille());
        if (dialog->wasCanceled())
            progress.cancel();
    };
    const auto show = [&] {
        dialog.emplace(BatchProgressDialog::perMille, parent);
        dialog->setWindowTitle(look.title);
        update();
        dialog->show();
        if (whileShown)
            whileShown(*dialog);
    };

    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QElapsedTimer clock;
    clock.start();
    if (look.quietMilliseconds <= 0)
        show();
    while (!finished(dialog ? 30ms : 10ms)) {
        if (!dialog && clock.elapsed() >= look.quietMilliseconds)
            show();
        if (dialog)
            update();
        // The window repaints and answers; until the window-modal dialog shows, the clerk's input
        // waits, so nothing is started on top of the work.
        QCoreApplication::processEvents(dialog ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    }
    QGuiApplication::restoreOverrideCursor();
    if (dialog)
        update();
    return !progress.cancelled();
}

} // namespace OffThread
