#pragma once

#include "batch/BatchReport.h"

#include <QDialog>

class UserDialogs;

// The rows of a batch that are not output, each with its row number, column and reason. Asked
// before a batch ("Ispiši ispravne" or "Odustani"), or told after one ("Zatvori"); "Spremi
// izvještaj..." saves the list as a CSV file.
class BatchReportDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Kind { AskBeforeOutput, TellAfterOutput };

    BatchReportDialog(const QList<RowProblem> &problems, int validSlips, Kind kind, UserDialogs &dialogs,
                      QWidget *parent = nullptr);

    // Asks for a file and writes the report there as CSV; nothing when the user cancels.
    void saveReport();

private:
    QList<RowProblem> m_problems;
    UserDialogs &m_dialogs;
};
