#pragma once

#include "batch/SlipBatchPdf.h"

#include <QDialog>

class QRadioButton;

// Where a batch goes and how: a PDF file or the current printer; the complete slip, the template
// or the data alone; in the PDF three slips on an A4 page or one 210 x 99 mm page each (the
// printer takes A4 sheets of three).
struct BatchOutput
{
    bool toPrinter = false;
    BatchPdfOptions pdf;
};

class BatchOutputDialog : public QDialog
{
    Q_OBJECT

public:
    // printer names the current printer; empty when there is none to print a batch on.
    explicit BatchOutputDialog(const QString &printer, QWidget *parent = nullptr);

    BatchOutput output() const;

private:
    QRadioButton *m_toPrinter, *m_complete, *m_template, *m_threePerPage;
};
