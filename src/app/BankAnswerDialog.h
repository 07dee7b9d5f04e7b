#pragma once

#include "bankfile/Pain002.h"

#include <QDialog>

#include <functional>

class QTableWidget;

// A refused order as the answer's list shows it: order id, amount (1.234,56), recipient, IBAN, reason
// code and its explanation.
QStringList refusedOrderCells(const Pain002::RefusedOrder &refused);

// The refused orders of a bank's answer, one a row, with "Spremi kao tablicu..." (accepts),
// "Otvori u kartici" for one refused order and "Zatvori". An order opened in the HUB-3A tab
// (openInTab gives true) closes the list without saving; a group or a file refused as a whole has no
// slip to open.
class BankAnswerDialog : public QDialog
{
    Q_OBJECT

public:
    BankAnswerDialog(const Pain002::Report &report,
                     std::function<bool(const Pain002::RefusedOrder &refused)> openInTab,
                     QWidget *parent = nullptr);

private:
    const Pain002::RefusedOrder *chosenOrder() const;

    QList<Pain002::RefusedOrder> m_refused;
    QTableWidget *m_table = nullptr;
};
