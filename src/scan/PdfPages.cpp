#include "scan/PdfPages.h"

#include "model/UserError.h"
#include "scan/PdfModule.h"
#include "scan/ScanLimits.h"

#include <QDeadlineTimer>
#include <poppler-qt6.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

bool shouldAbort(const QVariant &closure)
{
    return reinterpret_cast<const DocumentPages *>(closure.value<quintptr>())->stopped();
}

// Poppler's complaints about a damaged file would go to standard error, where the tool's JSON lines
// go; what matters to the clerk is said in the page's message.
void quiet(const QString &, const QVariant &) {}

} // namespace

PdfPages::PdfPages(const QString &path)
{
    static const bool quieted = (Poppler::setDebugErrorFunction(quiet, QVariant()), true);
    Q_UNUSED(quieted);
    m_document = Poppler::Document::load(path);
    if (!m_document)
        throw UserError(u"PDF datoteka je oštećena ili nije PDF"_s);
    if (m_document->isLocked())
        throw UserError(u"PDF datoteka je zaštićena lozinkom"_s);
    if (m_document->numPages() < 1)
        throw UserError(u"PDF datoteka nema stranica"_s);
    // Smooth edges keep a small symbol's narrow bars apart; without them a module of under two
    // pixels merges with its neighbours.
    m_document->setRenderHint(Poppler::Document::Antialiasing);
    m_document->setRenderHint(Poppler::Document::TextAntialiasing);
}

PdfPages::~PdfPages() = default;

int PdfPages::pageCount() const
{
    return std::min(m_document->numPages(), ScanLimits::maxPages);
}

bool PdfPages::cut() const
{
    return m_document->numPages() > ScanLimits::maxPages;
}

QImage PdfPages::page(int index, int dpi)
{
    m_failure.clear();
    const std::unique_ptr<Poppler::Page> page = m_document->page(index);
    const QSizeF points = page ? page->pageSizeF() : QSizeF();
    if (!page || !(points.width() >= 1 && points.height() >= 1)) {
        m_failure = u"Stranica se ne može pročitati"_s;
        return QImage();
    }
    // Points are 1/72 inch; a page too large for the budget at dpi is drawn at the dpi that fits.
    const double fitting =
        72.0 * std::sqrt(double(ScanLimits::pixelBudget) / (points.width() * points.height()));
    const double resolution = std::min(double(dpi), std::floor(fitting));
    if (resolution < 1) {
        m_failure = u"Stranica je prevelika"_s;
        return QImage();
    }
    const QImage image =
        page->renderToImage(resolution, resolution, -1, -1, -1, -1, Poppler::Page::Rotate0, nullptr, nullptr,
                            shouldAbort, QVariant::fromValue(quintptr(static_cast<const DocumentPages *>(this))));
    if (stopped()) {
        m_failure = u"Iscrtavanje stranice traje predugo"_s;
        return QImage();
    }
    if (image.isNull())
        m_failure = u"Stranica se ne može iscrtati"_s;
    return image;
}

QList<EmbeddedDocument> PdfPages::embeddedXml() const
{
    QList<EmbeddedDocument> files;
    if (!m_document->hasEmbeddedFiles())
        return files;
    for (Poppler::EmbeddedFile *file : m_document->embeddedFiles()) {
        if (files.size() >= ScanLimits::mostEmbeddedFiles)
            break;
        if (!file || !file->isValid() || !file->name().endsWith(u".xml"_s, Qt::CaseInsensitive) ||
            file->size() > ScanLimits::largestEmbeddedFile)
            continue;
        // The declared size may be missing or wrong; the bytes themselves are measured too.
        QByteArray bytes = file->data();
        if (bytes.size() <= ScanLimits::largestEmbeddedFile)
            files.append({file->name(), std::move(bytes)});
    }
    return files;
}

// The module's entry: a reader's failure goes back as its message, so no exception crosses into the
// program.
extern "C" Q_DECL_EXPORT DocumentPages *zorvatOpenPdfPages(const QString &path, QString &failure)
{
    try {
        return new PdfPages(path);
    } catch (const UserError &error) {
        failure = error.text();
        return nullptr;
    }
}
