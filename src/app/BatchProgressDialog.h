#pragma once

#include "batch/SlipBatchPdf.h"

#include <QElapsedTimer>
#include <QProgressDialog>

// The progress of a batch: "Gotovo 120 od 1000, preostalo oko 8 s" and "Odustani". Its hooks
// move the bar, keep the window answering and tell the batch when the user cancels.
class BatchProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    BatchProgressDialog(int total, QWidget *parent = nullptr);

    BatchHooks hooks();

    // The range of a dialog that shows how far a table is read (showReading).
    static constexpr int perMille = 1000;
    // "Provjera tablice: 42 %" for bytesRead of size, on a dialog made with the range perMille.
    void showReading(qint64 bytesRead, qint64 size);

    // The label for done of total slips after elapsedMs: the count and, once a slip is done, the
    // time left at the pace so far.
    static QString progressText(int done, int total, qint64 elapsedMs);

private:
    void advance(int done, int total);

    QElapsedTimer m_clock;
};
