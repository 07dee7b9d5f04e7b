#include "print/SpoolerConnection.h"

#include "model/UserError.h"

#include <cerrno>

namespace {

constexpr int timeoutMs = 5000;

// The same scheduler every other spooler call of this process reaches (CUPS_SERVER, client.conf).
http_t *connectToSpooler()
{
    return httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, timeoutMs, nullptr);
}

// Gives up a wait for the spooler: the request then fails with a time-out.
int giveUp(http_t *, void *)
{
    return 0;
}

QString destinationName(const cups_dest_t &dest)
{
    QString name = QString::fromUtf8(dest.name);
    if (dest.instance)
        name += u'/' + QString::fromUtf8(dest.instance);
    return name;
}

} // namespace

SpoolerConnection::SpoolerConnection() : m_http(connectToSpooler())
{
    if (m_http)
        httpSetTimeout(m_http, timeoutMs / 1000.0, giveUp, nullptr);
}

SpoolerConnection::~SpoolerConnection()
{
    if (m_http)
        httpClose(m_http);
}

bool SpoolerConnection::timedOut() const
{
    return m_http && httpError(m_http) == ETIMEDOUT;
}

void SpoolerConnection::notAnswering()
{
    throw UserError(QStringLiteral("Poslužitelj ispisa ne odgovara."));
}

namespace {

SpoolerQueues listQueues()
{
    SpoolerConnection connection;
    SpoolerQueues queues;
    if (!connection.http())
        return queues;
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests2(connection.http(), &dests);
    const bool silent = count == 0 && connection.timedOut();
    for (int i = 0; i < count; ++i) {
        queues.names.append(destinationName(dests[i]));
        if (dests[i].is_default)
            queues.defaultQueue = queues.names.last();
    }
    cupsFreeDests(count, dests);
    if (silent)
        SpoolerConnection::notAnswering();
    return queues;
}

bool answers()
{
    SpoolerConnection connection;
    if (!connection.http())
        return true; // no spooler at all: the call that follows says so at once
    ippDelete(cupsDoRequest(connection.http(), ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/"));
    return !connection.timedOut();
}

} // namespace

SpoolerQueues ListSpoolerQueues()
{
    return callSpooler<SpoolerQueues>([](const std::atomic<bool> &) { return listQueues(); });
}

void EnsureSpoolerAnswers()
{
    if (!callSpooler<bool>([](const std::atomic<bool> &) { return answers(); }))
        SpoolerConnection::notAnswering();
}
