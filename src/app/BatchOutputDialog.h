#pragma once

#include "batch/SlipBatchPdf.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

// Where a batch goes and how: a PDF file or a chosen printer; the complete slip, the template or
// the data alone; in the PDF three slips on an A4 page or one 210 x 99 mm page each (the printer
// takes A4 sheets of three).
struct BatchOutput
{
    bool toPrinter = false;
    BatchPdfOptions pdf;
    QString printer;     // the printer's entry, when toPrinter
    bool toBank = false; // a pain.001 bank file of the orders instead of slips
};

class BatchOutputDialog : public QDialog
{
    Q_OBJECT

public:
    // printers are those a batch can go to, current the one chosen first; none leaves the PDF file.
    // offerBankFile adds "Nalog za banku (pain.001)" to the destinations. fromTab names the fields
    // every slip takes from the HUB-3A tab; the dialog lists them above its choices.
    BatchOutputDialog(const QStringList &printers, const QString &current, QWidget *parent = nullptr,
                      bool offerBankFile = false, const QString &fromTab = {});

    BatchOutput output() const;

private:
    QRadioButton *m_toPrinter, *m_complete, *m_template, *m_threePerPage;
    QRadioButton *m_toBank = nullptr;
    QComboBox *m_printer;
};
