#pragma once

#include "app/BankAnswerDialog.h"
#include "batch/Hub3aTable.h"
#include "book/BookPayment.h"
#include "book/BookedAnswer.h"

#include <QHash>
#include <QObject>

#include <functional>
#include <optional>

class BatchProgressDialog;
class Clock;
class Hub3aSlipTab;
class PaymentBook;
class QAction;
class QMainWindow;
class SettingsStore;
class UserDialogs;

// The window's bank files: the HUB-3A tab's order, a table's or a partner selection's orders
// written as a pain.001 file for internet banking ("Datoteka › Nalozi za banku (pain.001)...",
// "Spremi nalog za banku" of the batch), and the bank's pain.002 answer read back ("Datoteka ›
// Odgovor banke (pain.002)..."), recorded in the payments book and its refused orders offered as
// they were sent, to fix and send again in a new file ("Pošalji ponovno"), or as a table.
// The payer (name, address, IBAN) comes from each row or the HUB-3A tab; every order is checked
// first (Pain001::orderProblems) and a refused one is reported by row and field while the others
// are written.
class BankFiles : public QObject
{
    Q_OBJECT

public:
    BankFiles(QMainWindow &window, Hub3aSlipTab &tab, UserDialogs &dialogs, const SettingsStore &store,
              const Clock &clock);

    // "Nalozi za banku (pain.001)..." and "Odgovor banke (pain.002)...", for the "Datoteka" menu.
    QAction *ordersEntry() const { return m_ordersEntry; }
    QAction *answerEntry() const { return m_answerEntry; }

    // The HUB-3A tab's order to a bank file.
    void saveTabOrder();
    // Orders to a bank file: refused ones are reported (showRefused, after the rows refused before,
    // earlier), the rest written to a file the user chooses.
    // Orders the payments book holds as paid are asked about first, and left out (and reported) unless
    // the clerk pays them again. tableFile: the table they come from, for the book; rowOrigins: the
    // invoice each order comes from, by its row, for the book and its repeats.
    void saveOrders(const QList<NumberedSlip> &slips, const QList<RowProblem> &earlier = {},
                    const QString &tableFile = QString(), const QHash<int, BookOrigin> &rowOrigins = {});
    // Asks for the bank's answer, reads it on a worker thread behind a progress dialog whose
    // "Odustani" stops the reading, and shows its refused orders (showAnswer).
    void readAnswer();
    // "Pošalji ponovno": of the payments of the book with these numbers, those refused now go to the
    // bank again in a new file with a new id, after the clerk fixes them (fixRefused); execution
    // dates already past are moved to the first business day, when the clerk agrees. The accepted
    // ones never go again.
    void resendRefused(const QList<qint64> &paymentIds);

    // Shows the orders that cannot go to the bank, after the others were written (or, when none
    // could, instead). Tests answer it instead of the dialog.
    std::function<void(const QList<RowProblem> &problems, int written)> showRefused;
    // What the clerk does with the refused orders of an answer.
    using AnswerChoice = BankAnswerChoice;
    // Shows the refused orders of the bank's answer (BankAnswerDialog), as the book holds them when
    // it knows the file, and what sending them again sends; its "Otvori u kartici" puts one into the
    // HUB-3A tab (openRefused). Tests answer it instead of the dialog.
    std::function<AnswerChoice(const Pain002::Report &report, const BookedAnswer &booked)> showAnswer;
    // Shows the orders to send again (ResendDialog) and gives them as the clerk fixed them; nothing
    // when the clerk cancels. Tests answer it instead of the dialog.
    std::function<std::optional<QList<Hub3aRecord>>(const QString &summary, const QList<Hub3aRecord> &orders)>
        fixRefused;
    // Called on the window's thread while the answer is read on a worker thread, with the progress
    // dialog shown (tests cancel through it).
    std::function<void(BatchProgressDialog &progress)> whileReading;

private:
    // saveOrders of orders that came from origin (each row of rowOrigins from its own), instant ones
    // as such.
    void writeOrders(const QList<NumberedSlip> &slips, const QList<RowProblem> &earlier,
                     const BookOrigin &origin, bool instant, const QHash<int, BookOrigin> &rowOrigins = {});
    // The slips without those the clerk does not pay again (the same payment, or the same invoice by
    // rowOrigins), those reported in refused.
    QList<NumberedSlip> withoutRepeats(const PaymentBook &book, const QList<NumberedSlip> &slips, QDate today,
                                       QList<RowProblem> &refused, const QHash<int, BookOrigin> &rowOrigins);
    // A refused order's slip into the HUB-3A tab (openInHub3aTab), saying what the slip could not
    // take of the answer; false when the clerk keeps the tab's slip.
    bool openRefused(const Pain002::RefusedOrder &refused);
    // The refused orders of an answer as a table the clerk saves.
    void saveRefusedTable(const Pain002::Report &report, const BookedAnswer &booked);
    // The answer at path read off the window's thread; nothing when the user cancels.
    std::optional<Pain002::Report> readAnswerFile(const QString &path);

    QMainWindow &m_window;
    Hub3aSlipTab &m_tab;
    UserDialogs &m_dialogs;
    const SettingsStore &m_store;
    const Clock &m_clock;
    QAction *m_ordersEntry = nullptr;
    QAction *m_answerEntry = nullptr;
};
