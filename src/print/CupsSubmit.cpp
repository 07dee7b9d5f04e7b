#include "CupsSubmit.h"

#include "UserError.h"

#include <QPageSize>

#include <cups/cups.h>

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
    return QString::fromUtf8(cupsLastErrorString());
}

[[noreturn]] void refused(const QString &queue, const QString &reason)
{
    throw UserError(QStringLiteral("Pisač %1 nije prihvatio ispis: %2").arg(queue, reason));
}

} // namespace

void SubmitToSpooler(const QString &queue, const QString &title, const QByteArray &pdf,
                     const QPageLayout &layout)
{
    JobOptions options;
    options.add("media", layout.pageSize().key().toUtf8());
    options.add("sides", QByteArrayLiteral("one-sided"));
    if (layout.orientation() == QPageLayout::Landscape)
        options.add("landscape", QByteArrayLiteral("true"));

    const QByteArray name = queue.toUtf8();
    const QByteArray jobName = title.toUtf8();
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), jobName.constData(), options.count(),
                                  options.options());
    if (job == 0)
        refused(queue, spoolerError());
    const bool sent = cupsStartDocument(CUPS_HTTP_DEFAULT, name.constData(), job, jobName.constData(),
                                        CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE &&
                      cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                                           static_cast<size_t>(pdf.size())) == HTTP_STATUS_CONTINUE;
    if (cupsFinishDocument(CUPS_HTTP_DEFAULT, name.constData()) != IPP_STATUS_OK || !sent) {
        const QString reason = spoolerError();
        cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
        refused(queue, reason);
    }
}
