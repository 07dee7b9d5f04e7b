#include "print/CupsSubmit.h"

#include "model/UserError.h"
#include "print/SpoolerConnection.h"

#include <QPageSize>

namespace {

// Job options owned for the lifetime of one submission.
class JobOptions
{
public:
    JobOptions() = default;
    JobOptions(const JobOptions &) = delete;
    JobOptions &operator=(const JobOptions &) = delete;
    ~JobOptions() { cupsFreeOptions(m_count, m_options); }

    void add(const char *name, const QByteArray &value)
    {
        m_count = cupsAddOption(name, value.constData(), m_count, &m_options);
    }
    int count() const { return m_count; }
    cups_option_t *options() const { return m_options; }

private:
    int m_count = 0;
    cups_option_t *m_options = nullptr;
};

QString spoolerError()
{
    return spoolerReason(cupsLastError());
}

[[noreturn]] void refused(const QString &queue, const QString &reason)
{
    throw UserError(QStringLiteral("Pisač %1 nije prihvatio ispis: %2").arg(queue, reason));
}

} // namespace

namespace {

void submit(const QString &queue, const QString &title, const QByteArray &pdf, const QPageLayout &layout,
            const std::atomic<bool> &abandoned)
{
    JobOptions options;
    options.add("media", layout.pageSize().key().toUtf8());
    options.add("sides", QByteArrayLiteral("one-sided"));
    if (layout.orientation() == QPageLayout::Landscape)
        options.add("landscape", QByteArrayLiteral("true"));

    const SpoolerConnection connection;
    http_t *const http = connection.http();
    const QByteArray name = queue.toUtf8();
    const QByteArray jobName = title.toUtf8();
    const int job =
        http ? cupsCreateJob(http, name.constData(), jobName.constData(), options.count(), options.options())
             : 0;
    if (connection.timedOut())
        SpoolerConnection::notAnswering();
    if (job == 0)
        refused(queue, spoolerError());
    const bool sent =
        !abandoned &&
        cupsStartDocument(http, name.constData(), job, jobName.constData(), CUPS_FORMAT_PDF, 1) ==
            HTTP_STATUS_CONTINUE &&
        cupsWriteRequestData(http, pdf.constData(), static_cast<size_t>(pdf.size())) == HTTP_STATUS_CONTINUE;
    const bool finished = cupsFinishDocument(http, name.constData()) == IPP_STATUS_OK;
    // The user was told the print failed: a job the spooler took only later must not print.
    if (!finished || !sent || abandoned) {
        const QString reason = spoolerError();
        cupsCancelJob2(http, name.constData(), job, 0);
        refused(queue, reason);
    }
}

} // namespace

void SubmitToSpooler(const QString &queue, const QString &title, const QByteArray &pdf,
                     const QPageLayout &layout)
{
    callSpooler<bool>([=](const std::atomic<bool> &abandoned) {
        submit(queue, title, pdf, layout, abandoned);
        return true;
    });
}

QString spoolerReason(ipp_status_t status)
{
    switch (status) {
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return QStringLiteral("pisač ili poslužitelj ispisa nije dostupan (mreža, isključen uređaj)");
    case IPP_STATUS_ERROR_NOT_FOUND:
        return QStringLiteral("poslužitelj ispisa ne poznaje taj pisač");
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return QStringLiteral("pisač trenutačno ne prima ispise");
    case IPP_STATUS_ERROR_BUSY:
        return QStringLiteral("pisač je zauzet; pokušajte ponovno");
    case IPP_STATUS_ERROR_TIMEOUT:
        return QStringLiteral("pisač ne odgovara");
    case IPP_STATUS_ERROR_FORBIDDEN:
    case IPP_STATUS_ERROR_NOT_AUTHENTICATED:
    case IPP_STATUS_ERROR_NOT_AUTHORIZED:
        return QStringLiteral("ispis na taj pisač nije dopušten");
    case IPP_STATUS_ERROR_DOCUMENT_FORMAT_NOT_SUPPORTED:
        return QStringLiteral("pisač ne prima PDF");
    case IPP_STATUS_ERROR_ATTRIBUTES_OR_VALUES:
        return QStringLiteral("pisač ne prima odabrani papir ili postavke ispisa");
    default:
        return QStringLiteral("poslužitelj ispisa javlja grešku %1").arg(QString::number(status, 16));
    }
}
