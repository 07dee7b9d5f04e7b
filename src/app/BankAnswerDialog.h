#pragma once

#include "bankfile/Pain002.h"
#include "book/BookedAnswer.h"

#include <QDialog>

#include <functional>

class QTableWidget;

// A refused order as the answer's list shows it: order id, amount (1.234,56), recipient, IBAN, reason
// code and its explanation.
QStringList refusedOrderCells(const Pain002::RefusedOrder &refused);
// The same of a refused order of the book, as it was sent.
QStringList refusedOrderCells(const RefusedPayment &refused);

// What the clerk does with the refused orders of an answer.
enum class BankAnswerChoice { Close, SaveTable, Resend };

// The refused orders of a bank's answer, one a row: as the book holds them when it knows the file
// (every field as sent), else as the answer names them; what sending them again sends; "Pošalji
// ponovno..." (when the book holds refused orders), "Spremi kao tablicu...", "Otvori u kartici" for
// one refused order and "Zatvori". An order opened in the HUB-3A tab (openInTab gives true) closes
// the list; a group or a file refused as a whole that the book cannot name has no slip to open.
class BankAnswerDialog : public QDialog
{
    Q_OBJECT

public:
    BankAnswerDialog(const Pain002::Report &report, const BookedAnswer &booked,
                     std::function<bool(const Pain002::RefusedOrder &refused)> openInTab,
                     QWidget *parent = nullptr);

    BankAnswerChoice choice() const { return m_choice; }

private:
    const Pain002::RefusedOrder *chosenOrder() const;

    // Each row's order; a book's order carries the slip as it was sent.
    QList<Pain002::RefusedOrder> m_refused;
    QTableWidget *m_table = nullptr;
    BankAnswerChoice m_choice = BankAnswerChoice::Close;
};
