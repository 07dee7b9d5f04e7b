#pragma once

#include "batch/Hub3aTable.h"
#include "batch/SlipBatchPdf.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class PrintSource;
class QMainWindow;
class UserDialogs;

// The window's way to many HUB-3A slips at once: from a table file (menu "Uplatnice iz tablice...")
// or from the partners selected in the partner dialog, the fields the rows do not give taken from
// the HUB-3A tab. Refused rows are shown in a report first (print the valid ones, or cancel); the
// slips go to a PDF file with a progress dialog, every barcode read back on the way.
class BatchSlips : public QObject
{
    Q_OBJECT

public:
    BatchSlips(QMainWindow &window, const PrintSource &source, UserDialogs &dialogs);

    // Adds "Uplatnice iz tablice..." to the window's "Datoteka" menu, after "Ispiši".
    void addMenuEntry();

    // "Uplatnice iz tablice...": asks for the table, then as writeSlips.
    void slipsFromTableFile();
    // "Uplatnice za odabrane" of the partner dialog.
    void slipsForPartners(const QStringList &entries);

    // Shows the report of refused rows (BatchReportDialog) and gives true when the user prints the
    // valid ones; after the output it only tells. Tests answer it instead of the dialog.
    std::function<bool(const QList<RowProblem> &problems, int validSlips, bool beforeOutput)> showReport;
    // Asks how the slips go into the PDF (BatchOutputDialog); nothing when the user cancels.
    std::function<std::optional<BatchPdfOptions>()> askOutput;

private:
    void writeSlips(const Hub3aTable &table);

    QMainWindow &m_window;
    const PrintSource &m_source;
    UserDialogs &m_dialogs;
};
