#pragma once

#include "batch/Hub3aTable.h"
#include "book/BookPayment.h"
#include "scan/ScannedSlip.h"

#include <QHash>

#include <QObject>
#include <QStringList>

#include <functional>

class BatchSlips;
class Hub3aSlipTab;
class QAction;
class QWidget;
class UserDialogs;

// The window's way to slips from invoices: "Datoteka › Učitaj s računa..." and PDFs or pictures
// dropped onto the window. The files are read off the window's thread under a wait cursor, with a
// progress dialog (files and pages read) and "Odustani" for any read that lasts over a moment. One barcode fills the HUB-3A tab (asking first when the tab holds a
// slip); several are listed (ScanListDialog) to print, write to a PDF, save as a table or a bank file,
// or open one in the tab.
class InvoiceScans : public QObject
{
    Q_OBJECT

public:
    // window: where the menu entry, the list and the progress dialog belong.
    InvoiceScans(QWidget &window, Hub3aSlipTab &tab, UserDialogs &dialogs, BatchSlips &batch);

    // "Učitaj s računa...", for the window's "Datoteka" menu.
    QAction *menuEntry() const { return m_menuEntry; }

    // "Učitaj s računa...": asks for the files, then as scanFiles.
    void chooseAndScan();
    void scanFiles(const QStringList &paths);

    // Shows the list of several slips found (ScanListDialog); tests answer it instead.
    std::function<void(const QList<ScannedSlip> &slips, const QList<ScanMiss> &misses)> showList;

    // Writes orders to a bank file with each one's invoice for the book, by the order's row (the
    // bank files' saveOrders); without it the batch's saveBankFile, which knows no invoices.
    std::function<void(const QList<NumberedSlip> &slips, const QList<RowProblem> &refused,
                       const QHash<int, BookOrigin> &origins)>
        saveOrders;

    // What the list's buttons do.
    void openInTab(const ScannedSlip &slip);
    void print(const QList<ScannedSlip> &slips);
    void writePdf(const QList<ScannedSlip> &slips);
    void saveTable(const QList<ScannedSlip> &slips);
    // "Nalozi za banku": the slips as orders to a bank file (the batch's saveBankFile), those that fail
    // their checks reported by file and page.
    void bankFile(const QList<ScannedSlip> &slips);

    // A read that lasts longer than this shows its progress and "Odustani".
    static constexpr int quietMilliseconds = 400;
    // "Pročitano računa: 1 od 3 (pregledano stranica: 7)".
    static QString progressText(int filesDone, int files, int pages);

private:
    // The files read on a worker thread while the window goes on answering; nothing when cancelled.
    std::optional<QList<FileScan>> read(const QStringList &paths);

    QWidget &m_window;
    Hub3aSlipTab &m_tab;
    UserDialogs &m_dialogs;
    BatchSlips &m_batch;
    QAction *m_menuEntry = nullptr;
};
