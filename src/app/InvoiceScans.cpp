#include "app/InvoiceScans.h"

#include "app/BatchSlips.h"
#include "app/Hub3aSlipTab.h"
#include "app/OffThread.h"
#include "app/ScanListDialog.h"
#include "batch/BatchBase.h"
#include "batch/ScannedSlips.h"
#include "model/TextFile.h"
#include "model/UserError.h"
#include "scan/InvoiceScan.h"
#include "ui/HandlerErrors.h"
#include "ui/UserDialogs.h"

#include <QAction>
#include <QFileInfo>



namespace {

QString missesText(const QList<ScanMiss> &misses)
{
    QStringList lines;
    for (const ScanMiss &miss : misses) {
        const QString place = miss.page > 0 ? QStringLiteral(", str. %1").arg(miss.page) : QString();
        lines.append(QStringLiteral("%1%2: %3").arg(QFileInfo(miss.file).fileName(), place, miss.message));
    }
    return lines.join(u'\n');
}

} // namespace

InvoiceScans::InvoiceScans(QWidget &window, Hub3aSlipTab &tab, UserDialogs &dialogs, BatchSlips &batch)
    : m_window(window), m_tab(tab), m_dialogs(dialogs), m_batch(batch)
{
    m_menuEntry = new QAction(QStringLiteral("Učitaj s &računa..."), &m_window);
    m_menuEntry->setObjectName(QStringLiteral("ScanInvoices"));
    connectHandler(m_menuEntry, &QAction::triggered, this, &InvoiceScans::chooseAndScan);
    showList = [this](const QList<ScannedSlip> &slips, const QList<ScanMiss> &misses) {
        ScanListDialog list(slips, misses,
                            {[this](const QList<ScannedSlip> &s) { print(s); },
                             [this](const QList<ScannedSlip> &s) { writePdf(s); },
                             [this](const QList<ScannedSlip> &s) { saveTable(s); },
                             [this](const ScannedSlip &slip) { openInTab(slip); },
                             m_batch.saveBankFile ? [this](const QList<ScannedSlip> &s) { bankFile(s); }
                                                  : std::function<void(const QList<ScannedSlip> &)>()},
                            &m_window);
        list.exec();
    };
}

void InvoiceScans::chooseAndScan()
{
    const QStringList paths =
        m_dialogs.getOpenFileNames(QStringLiteral("Učitaj s računa"),
                                   QStringLiteral("Računi (*.pdf *.xml *.png *.jpg *.jpeg *.tif *.tiff *.bmp)"));
    if (!paths.isEmpty())
        scanFiles(paths);
}

std::optional<QList<FileScan>> InvoiceScans::read(const QStringList &paths)
{
    const int files = static_cast<int>(paths.size());
    const WaitLook look{QStringLiteral("Učitavanje računa"),
                        [files](const WorkProgress &progress) {
                            return progressText(static_cast<int>(progress.done()), files,
                                                static_cast<int>(progress.detail()));
                        },
                        quietMilliseconds};
    return runOffThread(&m_window, look, [&](WorkProgress &progress) {
        return scanInvoices(paths, progress.cancelFlag(),
                            [&](int filesDone, int pages) { progress.report(filesDone, files, pages); });
    });
}

QString InvoiceScans::progressText(int filesDone, int files, int pages)
{
    return QStringLiteral("Pročitano računa: %1 od %2 (pregledano stranica: %3)").arg(filesDone).arg(files).arg(pages);
}

void InvoiceScans::scanFiles(const QStringList &paths)
{
    const std::optional<QList<FileScan>> scans = read(paths);
    if (!scans) {
        m_dialogs.showMessage(QStringLiteral("Prekinuto: nijedan nalog nije učitan."));
        return;
    }
    QList<ScannedSlip> slips;
    QList<ScanMiss> misses;
    for (const FileScan &scan : *scans) {
        slips += scan.slips;
        misses += scan.misses;
    }
    if (slips.isEmpty()) {
        m_dialogs.showMessage(QStringLiteral("Na računima nema naloga za plaćanje:\n") + missesText(misses));
        return;
    }
    if (slips.size() > 1) {
        showList(slips, misses);
        return;
    }
    openInTab(slips.constFirst());
    if (!misses.isEmpty())
        m_dialogs.showMessage(QStringLiteral("Bez naloga:\n") + missesText(misses));
}

void InvoiceScans::openInTab(const ScannedSlip &slip)
{
    if (!openInHub3aTab(m_tab, m_dialogs, slip.record,
                        QStringLiteral("s računa %1").arg(ScannedSlips::placeText(slip))))
        return;
    if (!slip.verdict.isEmpty())
        m_dialogs.showMessage(QStringLiteral("Nalog s računa %1 ne prolazi provjeru:\n%2")
                                  .arg(ScannedSlips::placeText(slip), slip.verdict));
}

void InvoiceScans::print(const QList<ScannedSlip> &slips)
{
    // A slip read without its payer takes the tab's: the output dialog names those fields.
    const Hub3aRecord tab = m_tab.hub3aData();
    QList<Hub3aField> fromTab;
    for (const Hub3aField field : hub3aPayerFields()) {
        if (!tab[field].isEmpty())
            fromTab.append(field);
    }
    m_batch.writeSlips(ScannedSlips::asTable(slips, tab), {}, fromTab);
}

void InvoiceScans::writePdf(const QList<ScannedSlip> &slips)
{
    const Hub3aTable table = ScannedSlips::asTable(slips, m_tab.hub3aData());
    if (table.slips.isEmpty())
        throw UserError(QStringLiteral("Nijedan nalog ne prolazi provjeru, pa PDF nije spremljen"));
    // The slips that fail their checks are named first, as a table's refused rows are.
    if (!table.problems.isEmpty() &&
        !m_batch.showReport(table.problems, static_cast<int>(table.slips.size()), true))
        return;
    m_batch.writePdf(table.slips, {3, PrintMode::Complete});
}

void InvoiceScans::saveTable(const QList<ScannedSlip> &slips)
{
    const std::optional<QString> path =
        m_dialogs.getSaveFileName(QStringLiteral("Spremi tablicu naloga"), QStringLiteral("csv"));
    if (!path)
        return;
    TextFile::writeAtomically(*path, ScannedSlips::tableCsv(slips));
    m_dialogs.showMessage(QStringLiteral("Spremljeno naloga: %1 u %2").arg(slips.size()).arg(*path));
}

void InvoiceScans::bankFile(const QList<ScannedSlip> &slips)
{
    const Hub3aTable table = ScannedSlips::asTable(slips, m_tab.hub3aData());
    if (!saveOrders) {
        m_batch.saveBankFile(table.slips, table.problems);
        return;
    }
    // Each order goes to the book with its invoice, so that the same invoice is never paid twice.
    QHash<int, BookOrigin> origins;
    for (qsizetype index = 0; index < slips.size(); ++index) {
        const ScannedSlip &slip = slips[index];
        origins.insert(int(index) + 1, {BookSource::Invoice, slip.file, slip.page, slip.identity});
    }
    saveOrders(table.slips, table.problems, origins);
}
