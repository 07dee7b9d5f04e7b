#include "print/PlatformPrinter.h"

#include "model/TextFile.h"
#include "model/UserError.h"
#include "print/CupsSubmit.h"
#include "print/PageSetup.h"
#include "print/SpoolerConnection.h"
#include "ui/UserDialogs.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>
#include <optional>

namespace {

// The resolution of the painted PDF; the painter scales device units onto it.
constexpr int pdfResolution = 1200;

int toDeviceUnits(double millimetres)
{
    return static_cast<int>(std::floor(millimetres * deviceUnitsPerMm + 1e-9));
}

// A queue's page starts as the spooler's default paper for it, at the margins it can print.
// Returns the resolutions the queue prints at, as its driver lists them.
QList<int> useQueueDefaults(QPrinter &setup, const QString &queue)
{
    setup.setPrinterName(queue);
    const QPrinterInfo info = QPrinterInfo::printerInfo(queue);
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid())
        setup.setPageSize(paper);
    return info.supportedResolutions();
}

[[noreturn]] void notPrinting()
{
    throw UserError(QStringLiteral("Printer is not currently printing"));
}

} // namespace

// One open document: the page painted into memory, and where it goes at EndDoc.
struct PlatformPrinter::Document
{
    QBuffer buffer;
    QPdfWriter writer{&buffer};
    QPainter painter;
    QString queue;                 // spooler queue, or empty for a file
    std::optional<QString> target; // the PDF file the user named
    QPageLayout layout;

    // Ends the painting and returns the PDF.
    QByteArray finish()
    {
        painter.end();
        return buffer.data();
    }
};

PlatformPrinter::PlatformPrinter(UserDialogs &dialogs) : m_dialogs(dialogs)
{
    m_entries = {pdfEntry()};
    try {
        Refresh();
    } catch (const UserError &) {
        // A spooler that does not answer at start-up leaves the PDF file; the print dialog says why.
    }
}

PlatformPrinter::~PlatformPrinter() = default;

QString PlatformPrinter::pdfEntry()
{
    return QStringLiteral("PDF datoteka");
}

void PlatformPrinter::Refresh()
{
    const SpoolerQueues queues = ListSpoolerQueues();
    m_entries = queues.names;
    m_entries.append(pdfEntry());
    m_defaultQueue = queues.defaultQueue;
}

int PlatformPrinter::PrinterIndex() const
{
    return static_cast<int>(m_entries.indexOf(currentEntry()));
}

void PlatformPrinter::setPrinterIndex(int index)
{
    if (index == -1) {
        m_current = m_entries.contains(m_defaultQueue) ? m_defaultQueue : m_entries.value(0);
        return;
    }
    if (index < -1 || index >= m_entries.size())
        throw UserError(QStringLiteral("Printer index out of range"));
    m_current = m_entries.at(index);
}

QString PlatformPrinter::currentEntry() const
{
    if (m_entries.isEmpty())
        throw UserError(QStringLiteral("There is no default printer currently selected"));
    return m_entries.contains(m_current) ? m_current : m_entries.first();
}

QPrinter &PlatformPrinter::setupOf(const QString &entry) const
{
    std::unique_ptr<QPrinter> &setup = m_setups[entry];
    if (!setup) {
        if (entry != pdfEntry())
            EnsureSpoolerAnswers(); // the queue's page set-up is read from the spooler
        setup = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (entry == pdfEntry())
            setup->setOutputFormat(QPrinter::PdfFormat);
        else
            m_resolutions[entry] = useQueueDefaults(*setup, entry);
    }
    return *setup;
}

bool PlatformPrinter::BeginDoc(std::optional<QSizeF> sheetMm)
{
    if (m_document)
        throw UserError(QStringLiteral("Printing in progress"));
    const QString entry = currentEntry();
    auto document = std::make_unique<Document>();
    if (entry == pdfEntry()) {
        document->target =
            m_dialogs.getSaveFileName(QStringLiteral("Odredite naziv PDF datoteke"), QStringLiteral("pdf"));
        if (!document->target)
            return false;
    } else {
        document->queue = entry;
    }
    document->layout = sheetMm ? QPageLayout(QPageSize(*sheetMm, QPageSize::Millimeter),
                                             QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter)
                               : pageOf(entry);
    document->writer.setTitle(m_title);
    document->writer.setCreator(QStringLiteral("Zorvat 1.0"));
    document->writer.setResolution(pdfResolution);
    document->writer.setPageLayout(document->layout);
    if (!document->buffer.open(QIODevice::WriteOnly) || !document->painter.begin(&document->writer))
        throw UserError(QStringLiteral("Ispis nije moguće započeti."));
    const qreal scale = pdfResolution / deviceUnitsPerInch;
    document->painter.scale(scale, scale);
    m_document = std::move(document);
    return true;
}

QPainter &PlatformPrinter::Canvas()
{
    if (!m_document)
        notPrinting();
    return m_document->painter;
}

void PlatformPrinter::NewPage()
{
    if (!m_document)
        notPrinting();
    if (!m_document->writer.newPage())
        throw UserError(QStringLiteral("Ispis nije moguće nastaviti."));
}

void PlatformPrinter::EndDoc()
{
    if (!m_document)
        notPrinting();
    const std::unique_ptr<Document> document = std::move(m_document);
    const QByteArray pdf = document->finish();
    if (document->target)
        TextFile::writeAtomically(*document->target, pdf);
    else
        SubmitToSpooler(document->queue, m_title, pdf, document->layout);
}

void PlatformPrinter::Abort()
{
    m_document.reset();
}

bool PlatformPrinter::WritesFile() const
{
    return currentEntry() == pdfEntry();
}

QList<int> PlatformPrinter::Resolutions() const
{
    // A file may meet any office printer: the common laser and inkjet resolutions.
    const QList<int> office{300, 600, 1200};
    if (WritesFile())
        return office;
    const QString entry = currentEntry();
    setupOf(entry);
    const QList<int> &supported = m_resolutions[entry];
    return supported.isEmpty() ? office : supported;
}

QMarginsF PlatformPrinter::UnprintableMarginsMm() const
{
    if (WritesFile())
        return {};
    // The set-up's layout keeps the upright sheet's least margins whatever the orientation chosen.
    QPageLayout upright = setupOf(currentEntry()).pageLayout();
    upright.setUnits(QPageLayout::Millimeter);
    return upright.minimumMargins();
}

QRectF PlatformPrinter::printableArea() const
{
    return pageOf(currentEntry()).paintRect(QPageLayout::Millimeter);
}

int PlatformPrinter::PageWidth() const
{
    return toDeviceUnits(printableArea().width());
}

int PlatformPrinter::PageHeight() const
{
    return toDeviceUnits(printableArea().height());
}

QPageLayout PlatformPrinter::pageOf(const QString &entry) const
{
    QPrinter &setup = setupOf(entry);
    const auto confirmed = m_pages.find(entry);
    return confirmed != m_pages.end() ? confirmed->second : setup.pageLayout();
}

void PlatformPrinter::showSetupDialog(QWidget *parent)
{
    const QString entry = currentEntry();
    if (const std::optional<QPageLayout> page = runPageSetup(setupOf(entry), pageOf(entry), parent))
        m_pages[entry] = *page;
}
