#pragma once

#include <QString>
#include <QStringList>

#include <cups/cups.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <thread>

// One connection to the print spooler (CUPS) of the calling thread, on which each wait for the
// spooler gives up after a few seconds.
class SpoolerConnection
{
public:
    SpoolerConnection();
    SpoolerConnection(const SpoolerConnection &) = delete;
    SpoolerConnection &operator=(const SpoolerConnection &) = delete;
    ~SpoolerConnection();

    // Null when no spooler takes connections at all.
    http_t *http() const { return m_http; }
    // Whether the connection ran out of time waiting for the spooler.
    bool timedOut() const;

    // Throws UserError "Poslužitelj ispisa ne odgovara.".
    [[noreturn]] static void notAnswering();

private:
    http_t *m_http = nullptr;
};

// How long the window waits for the spooler: libcups retries a request that timed out, so a
// time-out on the connection alone does not bound a call.
constexpr std::chrono::milliseconds spoolerDeadline{4500};

// Runs work (which opens its own SpoolerConnection) on a thread of its own and returns its result
// or rethrows its error; when it has not finished by the deadline, throws as
// SpoolerConnection::notAnswering() and leaves it to end on its own, with `abandoned` set so
// that it can undo what it still does.
template <typename Result> Result callSpooler(std::function<Result(const std::atomic<bool> &abandoned)> work)
{
    auto abandoned = std::make_shared<std::atomic<bool>>(false);
    auto task = std::make_shared<std::packaged_task<Result()>>(
        [work = std::move(work), abandoned] { return work(*abandoned); });
    std::future<Result> result = task->get_future();
    std::thread([task] { (*task)(); }).detach();
    if (result.wait_for(spoolerDeadline) != std::future_status::ready) {
        *abandoned = true;
        SpoolerConnection::notAnswering();
    }
    return result.get();
}

// The spooler's queues as the print dialog lists them ("name" or "name/instance") and its default
// queue (empty when it has none). No spooler at all lists none; a spooler that does not answer
// in time throws as SpoolerConnection::notAnswering().
struct SpoolerQueues
{
    QStringList names;
    QString defaultQueue;
};
SpoolerQueues ListSpoolerQueues();

// Throws as SpoolerConnection::notAnswering() when a spooler is there but does not answer in time.
void EnsureSpoolerAnswers();
