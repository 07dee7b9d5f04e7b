#pragma once

#include "model/Hub3aRecord.h"

#include <QDialog>

class QTableWidget;

// "Pošalji ponovno": the refused orders as they were sent, one row each in the table's columns, for
// the clerk to fix before they go to the bank again; the summary says what will be sent.
class ResendDialog : public QDialog
{
    Q_OBJECT

public:
    ResendDialog(const QString &summary, const QList<Hub3aRecord> &orders, QWidget *parent = nullptr);

    // The orders as the clerk left them.
    QList<Hub3aRecord> orders() const;

private:
    QTableWidget *m_table = nullptr;
};
