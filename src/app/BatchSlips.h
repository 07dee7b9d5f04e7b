#pragma once

#include "app/BatchOutputDialog.h"
#include "batch/Hub3aTable.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class PrintSource;
class QAction;
class PrinterDevice;
class QMainWindow;
class SettingsStore;
class UserDialogs;

// The window's way to many HUB-3A slips at once: from a table file (menu "Uplatnice iz tablice...")
// or from the partners selected in the partner dialog, the fields the rows do not give taken from
// the HUB-3A tab. Refused rows are shown in a report first (print the valid ones, or cancel); the
// slips go to a PDF file or, as one job, to a chosen printer (in its calibration and the stored
// offsets) with a progress dialog, every barcode read back on the way. A print says at its end how
// many slips the printer accepted and which rows it did not print, and offers to save those rows.
class BatchSlips : public QObject
{
    Q_OBJECT

public:
    BatchSlips(QMainWindow &window, const PrintSource &source, UserDialogs &dialogs, PrinterDevice &printer,
               const SettingsStore &store);

    // "Uplatnice iz tablice...", for the window's "Datoteka" menu.
    QAction *menuEntry() const { return m_menuEntry; }

    // "Uplatnice iz tablice...": asks for the table, then as writeSlips.
    void slipsFromTableFile();
    // "Uplatnice za odabrane" of the partner dialog.
    void slipsForPartners(const QStringList &entries);

    // Shows the report of refused rows (BatchReportDialog) and gives true when the user prints the
    // valid ones; after the output it only tells. Tests answer it instead of the dialog.
    std::function<bool(const QList<RowProblem> &problems, int validSlips, bool beforeOutput)> showReport;
    // Asks where and how the slips go (BatchOutputDialog); nothing when the user cancels.
    std::function<std::optional<BatchOutput>()> askOutput;
    // Shows how a print ended when rows were not printed and gives true when the user saves them.
    std::function<bool(const QString &summary)> offerSavingUnprinted;

    // The valid slips of table to the output the user chooses (BatchOutputDialog), after the report of
    // its refused rows; slips read from invoices take this way too.
    void writeSlips(const Hub3aTable &table);
    // The slips to a PDF file the user names, with progress.
    void writePdf(const QList<NumberedSlip> &slips, const BatchPdfOptions &options);

private:
    void print(const QList<NumberedSlip> &slips, PrintMode mode, const QString &printer);
    // Asks for a file and writes the slips of rows there as a table.
    void saveUnprinted(const QList<NumberedSlip> &slips, const QList<int> &rows);
    // The printers a batch can go to: those that do not write a file.
    QStringList batchPrinters() const;

    QMainWindow &m_window;
    const PrintSource &m_source;
    UserDialogs &m_dialogs;
    PrinterDevice &m_printer;
    const SettingsStore &m_store;
    QAction *m_menuEntry = nullptr;
};
