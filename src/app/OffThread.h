#pragma once

#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <type_traits>

class BatchProgressDialog;
class QWidget;

// What work off the window's thread tells the window, and asks it: how far the work has come and
// whether the clerk has pressed "Odustani". Both threads use it at once.
class WorkProgress
{
public:
    // done of total (bytes, rows or files), with a count the label may show beside them (pages).
    void report(qint64 done, qint64 total, qint64 detail = 0);
    bool cancelled() const { return m_cancel; }
    void cancel() { m_cancel = true; }

    qint64 done() const { return m_done; }
    qint64 total() const { return m_total; }
    qint64 detail() const { return m_detail; }
    // The share done, in thousandths.
    int perMille() const;

    // The readers' progress and cancel hooks, bound to this.
    std::function<void(qint64 done, qint64 total)> progressHook();
    std::function<bool()> cancelHook();
    // The flag itself, for readers that look at it between steps.
    const std::atomic<bool> *cancelFlag() const { return &m_cancel; }

private:
    std::atomic<qint64> m_done{0}, m_total{0}, m_detail{0};
    std::atomic<bool> m_cancel{false};
};

// How a wait for work off the window's thread looks.
struct WaitLook
{
    QString title;                                      // the progress dialog's title
    std::function<QString(const WorkProgress &)> label; // its text, asked as the work goes on
    int quietMilliseconds = 0; // the dialog shows once the work lasts this long; at once when 0
};

namespace OffThread {

// Waits until finished(wait) says the work is done, the window answering meanwhile under a wait
// cursor (the clerk's input kept from it until the dialog shows). The progress dialog, window-modal,
// with "Odustani", shows after look.quietMilliseconds; whileShown gets it once shown (tests cancel
// through it). False when the clerk cancelled.
bool wait(QWidget *parent, const WaitLook &look, WorkProgress &progress,
          const std::function<bool(std::chrono::milliseconds wait)> &finished,
          const std::function<void(BatchProgressDialog &)> &whileShown);

} // namespace OffThread

// Runs work(progress) on a worker thread while the window goes on answering (OffThread::wait).
// Gives what the work returned, or nothing when the clerk cancelled; what the work threw is thrown
// here, on the window's thread. The work is asked to stop through progress.cancelled().
template <typename Work>
auto runOffThread(QWidget *parent, const WaitLook &look, Work work,
                  const std::function<void(BatchProgressDialog &)> &whileShown = {})
    -> std::optional<std::invoke_result_t<Work &, WorkProgress &>>
{
    WorkProgress progress;
    auto result = std::async(std::launch::async, [&] { return work(progress); });
    const bool kept = OffThread::wait(
        parent, look, progress,
        [&](std::chrono::milliseconds wait) { return result.wait_for(wait) == std::future_status::ready; },
        whileShown);
    auto value = result.get();
    if (!kept)
        return std::nullopt; // what was done all the same is not shown once the clerk has cancelled
    return value;
}
