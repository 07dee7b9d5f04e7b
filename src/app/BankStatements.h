#pragma once

#include "statements/StatementMatch.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class BatchProgressDialog;
class QAction;
class QWidget;
class UserDialogs;

// What a statement closed, as the summary shows it: the counts ("Proknjiženo: 3"), then a line
// for each payment changed ("proknjiženo 10.12.2026.: Primatelj d.o.o. 100,00 EUR") and for each
// entry no payment stands for ("nije pronađeno: 10.12.2026. -2,65 EUR").
QStringList statementSummaryLines(const BankStatement::Reconciliation &result);

// "Datoteka › Izvadak banke (camt.053)...": the bank's statement read and matched against the
// payments book off the window's thread, then a summary of what it closed.
class BankStatements : public QObject
{
    Q_OBJECT

public:
    BankStatements(QWidget &window, UserDialogs &dialogs, QString bookPath);

    QAction *menuEntry() const { return m_entry; }

    // Asks for the statement and reconciles it (showSummary with the result).
    void readStatement();
    // The statement at path read and matched; nothing when the clerk cancelled the reading.
    std::optional<BankStatement::Reconciliation> reconcileFile(const QString &path);

    // Shows the summary; tests answer it instead of the dialog.
    std::function<void(const BankStatement::Reconciliation &result)> showSummary;
    // Given the progress dialog once it shows (tests cancel through it).
    std::function<void(BatchProgressDialog &progress)> whileReading;

private:
    QWidget &m_window;
    UserDialogs &m_dialogs;
    QString m_bookPath;
    QAction *m_entry = nullptr;
};
