#pragma once

#include "batch/SlipBatchPdf.h"

#include <QDialog>

class QRadioButton;

// How a batch goes into its PDF: the complete slip, the template or the data alone, three slips
// on an A4 page or one 210 x 99 mm page each.
class BatchOutputDialog : public QDialog
{
    Q_OBJECT

public:
    explicit BatchOutputDialog(QWidget *parent = nullptr);

    BatchPdfOptions options() const;

private:
    QRadioButton *m_complete, *m_template, *m_threePerPage;
};
