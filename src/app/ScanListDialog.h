#pragma once

#include "scan/ScannedSlip.h"

#include <QDialog>

#include <functional>

class QTableWidget;

// What the list of slips read from invoices can do with them.
struct ScanListActions
{
    std::function<void(const QList<ScannedSlip> &)> print;     // "Ispiši"
    std::function<void(const QList<ScannedSlip> &)> pdf;       // "PDF"
    std::function<void(const QList<ScannedSlip> &)> saveTable; // "Spremi tablicu"
    std::function<void(const ScannedSlip &)> openInTab;        // "Otvori u kartici", one row
    std::function<void(const QList<ScannedSlip> &)> bankFile;  // "Nalozi za banku", when bank files are
};

// The slips found on several invoices: file, page, source (e-račun or bar-kod), recipient, amount,
// due date, reference and the checks' verdict a row, the total below, then the files that held no barcode. An action's error is shown
// as a handler's and the list stays open.
class ScanListDialog : public QDialog
{
    Q_OBJECT

public:
    ScanListDialog(const QList<ScannedSlip> &slips, const QList<ScanMiss> &misses, ScanListActions actions,
                   QWidget *parent = nullptr);

private:
    void fillTable();

    QList<ScannedSlip> m_slips;
    ScanListActions m_actions;
    QTableWidget *m_table = nullptr;
};
