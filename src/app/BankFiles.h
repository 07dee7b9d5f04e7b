#pragma once

#include "bankfile/Pain002.h"
#include "batch/Hub3aTable.h"
#include "book/BookPayment.h"

#include <QHash>
#include <QObject>

#include <functional>
#include <optional>

class BatchProgressDialog;
class Clock;
class PaymentBook;
class PrintSource;
class QAction;
class QMainWindow;
class SettingsStore;
class UserDialogs;

// A refused order as the answer's list shows it: order id, amount (1.234,56), recipient, IBAN, reason
// code and its explanation.
QStringList refusedOrderCells(const Pain002::RefusedOrder &refused);

// The window's bank files: the HUB-3A tab's order, a table's or a partner selection's orders
// written as a pain.001 file for internet banking ("Datoteka › Nalozi za banku (pain.001)...",
// "Spremi nalog za banku" of the batch), and the bank's pain.002 answer read back ("Datoteka ›
// Odgovor banke (pain.002)..."), its refused orders offered as a table to correct and send again.
// The payer (name, address, IBAN) comes from each row or the HUB-3A tab; every order is checked
// first (Pain001::orderProblems) and a refused one is reported by row and field while the others
// are written.
class BankFiles : public QObject
{
    Q_OBJECT

public:
    BankFiles(QMainWindow &window, const PrintSource &source, UserDialogs &dialogs, const SettingsStore &store,
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

    // Shows the orders that cannot go to the bank, after the others were written (or, when none
    // could, instead). Tests answer it instead of the dialog.
    std::function<void(const QList<RowProblem> &problems, int written)> showRefused;
    // Shows the refused orders of the bank's answer and gives true when the user saves them as a
    // table. Tests answer it instead of the dialog.
    std::function<bool(const Pain002::Report &report)> showAnswer;
    // Called on the window's thread while the answer is read on a worker thread, with the progress
    // dialog shown (tests cancel through it).
    std::function<void(BatchProgressDialog &progress)> whileReading;

private:
    // The slips without those the clerk does not pay again (the same payment, or the same invoice by
    // rowOrigins), those reported in refused.
    QList<NumberedSlip> withoutRepeats(const PaymentBook &book, const QList<NumberedSlip> &slips, QDate today,
                                       QList<RowProblem> &refused, const QHash<int, BookOrigin> &rowOrigins);
    // The answer at path read off the window's thread; nothing when the user cancels.
    std::optional<Pain002::Report> readAnswerFile(const QString &path);

    QMainWindow &m_window;
    const PrintSource &m_source;
    UserDialogs &m_dialogs;
    const SettingsStore &m_store;
    const Clock &m_clock;
    QAction *m_ordersEntry = nullptr;
    QAction *m_answerEntry = nullptr;
};
