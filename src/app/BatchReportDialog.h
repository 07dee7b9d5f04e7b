#pragma once

#include "batch/BatchReport.h"

#include <QDialog>

class UserDialogs;

// The rows of a batch that are not output, each with its row number, column and reason (the first
// shownProblems of them). Asked before a batch ("Ispiši ispravne", "Spremi nalog za banku" when
// offered, or "Odustani"), or told after one ("Zatvori"); "Spremi izvještaj..." saves the list as a
// CSV file.
class BatchReportDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Kind { AskBeforeOutput, TellAfterOutput, TellBankFile };
    // What exec() gives for "Spremi nalog za banku" (QDialog::Accepted is "Ispiši ispravne").
    static constexpr int SaveBankFile = 2;

    // The problems listed in the dialog, so that it opens and closes at once however many there
    // are; the rest are counted below the list and all go into the saved report.
    static constexpr int shownProblems = 500;

    // offerBankFile adds "Spremi nalog za banku" beside "Ispiši ispravne" (AskBeforeOutput).
    BatchReportDialog(const QList<RowProblem> &problems, int validSlips, Kind kind, UserDialogs &dialogs,
                      QWidget *parent = nullptr, bool offerBankFile = false);

    // Asks for a file and writes the report there as CSV; nothing when the user cancels.
    void saveReport();

private:
    QList<RowProblem> m_problems;
    UserDialogs &m_dialogs;
};
