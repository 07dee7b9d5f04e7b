#pragma once

#include "scan/ScannedSlip.h"

#include <QObject>
#include <QStringList>

#include <functional>

class BatchSlips;
class QAction;
class TForm1;
class UserDialogs;

// The window's way to slips from invoices: "Datoteka › Učitaj s računa..." and PDFs or pictures
// dropped onto the window. The files are read off the window's thread, with a progress dialog and
// "Odustani" for more than a few. One barcode fills the HUB-3A tab (asking first when the tab holds a
// slip); several are listed (ScanListDialog) to print, write to a PDF, save as a table or open one in
// the tab.
class InvoiceScans : public QObject
{
    Q_OBJECT

public:
    InvoiceScans(TForm1 &window, UserDialogs &dialogs, BatchSlips &batch);

    // "Učitaj s računa...", for the window's "Datoteka" menu.
    QAction *menuEntry() const { return m_menuEntry; }

    // "Učitaj s računa...": asks for the files, then as scanFiles.
    void chooseAndScan();
    void scanFiles(const QStringList &paths);

    // Shows the list of several slips found (ScanListDialog); tests answer it instead.
    std::function<void(const QList<ScannedSlip> &slips, const QList<ScanMiss> &misses)> showList;

    // What the list's buttons do.
    void openInTab(const ScannedSlip &slip);
    void print(const QList<ScannedSlip> &slips);
    void writePdf(const QList<ScannedSlip> &slips);
    void saveTable(const QList<ScannedSlip> &slips);

    // More files than this are read with a progress dialog.
    static constexpr int quietFiles = 3;

private:
    // The files read on a worker thread while the window goes on answering; nothing when cancelled.
    std::optional<QList<FileScan>> read(const QStringList &paths);

    TForm1 &m_window;
    UserDialogs &m_dialogs;
    BatchSlips &m_batch;
    QAction *m_menuEntry = nullptr;
};
