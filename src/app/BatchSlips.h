#pragma once

#include "app/BatchOutputDialog.h"
#include "batch/Hub3aTable.h"
#include "batch/Hub3aTableFile.h"

#include <QDate>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <functional>
#include <optional>

class BatchProgressDialog;
class PaymentBook;
class PrintSource;
class QAction;
class PrinterDevice;
class QMainWindow;
class SettingsStore;
class UserDialogs;

// The window's way to many HUB-3A slips at once: from a table file (menu "Uplatnice iz tablice...")
// or from the partners selected in the partner dialog, the fields the rows do not give taken from
// the HUB-3A tab. A table is read and checked on a worker thread, the window answering and the
// progress dialog's "Odustani" stopping it, and read again while its slips go to a PDF, so no long
// table is held whole. Refused rows are shown in a report first (print the valid ones, or cancel);
// the slips go to a PDF file or, as one job, to a chosen printer (in its calibration and the stored
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

    // Shows the report of refused rows (BatchReportDialog) and gives QDialog::Accepted (true) when
    // the user prints the valid ones, BatchReportDialog::SaveBankFile when they go to a bank file,
    // QDialog::Rejected (false) to cancel; after the output it only tells. Tests answer it instead
    // of the dialog.
    std::function<int(const QList<RowProblem> &problems, int validSlips, bool beforeOutput)> showReport;
    // Writes orders as a pain.001 bank file (BankFiles::saveOrders), with the rows refused before.
    // When set, the report and the output dialog offer "Spremi nalog za banku": a table's valid
    // slips go as they are; for selected partners the partners are the recipients, paid by the
    // HUB-3A tab's payer (partnerOrders).
    std::function<void(const QList<NumberedSlip> &slips, const QList<RowProblem> &refused)> saveBankFile;
    // Asks where and how the slips go (BatchOutputDialog, which lists fieldsFromTab()); nothing when
    // the user cancels.
    std::function<std::optional<BatchOutput>()> askOutput;
    // The fields the slips being output take from the HUB-3A tab, as the output dialog lists them
    // ("naziv primatelja, IBAN primatelja, iznos"); empty when none.
    QString fieldsFromTab() const { return m_fromTab; }
    // Today's date: a slip whose execution date is past is refused. The system's date unless set.
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    // Shows how a print ended when rows were not printed and gives true when the user saves them.
    std::function<bool(const QString &summary)> offerSavingUnprinted;

    // Called on the window's thread while a table is read and checked on a worker thread, with the
    // progress dialog shown (tests cancel through it).
    std::function<void(BatchProgressDialog &progress)> whileReading;

    // The valid slips of table to the output the user chooses (BatchOutputDialog), after the report of
    // its refused rows; slips read from invoices take this way too. entries: the selected partners,
    // when the slips are theirs.
    void writeSlips(const Hub3aTable &table, const QStringList &entries = {},
                    const QList<Hub3aField> &fromTab = {});
    // The slips to a PDF file the user names, with progress.
    void writePdf(const QList<NumberedSlip> &slips, const BatchPdfOptions &options);

private:
    // The orders of the "Spremi nalog za banku" choice (saveBankFile).
    void writeBankFile(const Hub3aTable &table, const QStringList &entries);
    // Reads and checks the table at path off the window's thread; nothing when the user cancels.
    std::optional<Hub3aTableCheck> checkTable(const QString &path, const Hub3aRecord &base,
                                              const QDate &today);
    // Says what the base lacks, shows the report of refused rows and asks for the output; nothing
    // when there is nothing to output or the user cancels.
    std::optional<BatchOutput> chooseOutput(const QList<Hub3aProblem> &baseMissing,
                                            const QList<RowProblem> &problems, int validSlips,
                                            const QList<Hub3aField> &fromTab);
    // Throws when the table names its recipients (columns) but lacks a field of theirs that the slips
    // cannot be paid without (baseMissing): the tab's recipient is not taken for it.
    static void requireNamedRecipientWhole(const QList<Hub3aProblem> &baseMissing,
                                           const QList<Hub3aField> &columns);
    // The HUB-3A tab's slip as the base of rows that give the fields of columns: its execution date
    // and urgency only when the clerk says so (asked when the rows do not give them), a past date
    // refused.
    Hub3aRecord tabBase(const QList<Hub3aField> &columns, const QString &slips);
    // As writePdf, the count slips taken from a source of slips, read once to find those the book
    // holds as paid and again as they are drawn.
    void writePdfFrom(const std::function<SlipSource()> &slips, int count, const BatchPdfOptions &options);
    // The rows of slips the book holds as paid that the clerk leaves out, reported in leftOut.
    QSet<int> repeatsLeftOut(const PaymentBook &book, const SlipSource &slips, qsizetype count,
                             QList<RowProblem> &leftOut);
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
    QString m_fromTab;
    Hub3aRecord m_dateAndUrgency; // the execution date and urgency the last batch took from the tab
};
