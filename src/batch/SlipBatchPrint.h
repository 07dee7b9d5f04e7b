#pragma once

#include "batch/Hub3aTable.h"
#include "batch/SlipBatchPdf.h"
#include "print/Hub3aSlipPage.h"

class PrinterDevice;

// What printing a batch did.
struct BatchPrintResult
{
    int sent = 0;              // slips the printer accepted
    int sheets = 0;            // pages of the job the printer accepted
    bool cancelled = false;    // stopped by the cancel hook: nothing was sent
    bool declined = false;     // the printer asked for a file name and the user gave none
    QString failure;           // why the printer did not take the job (spooler silent, gone, refusing)
    QList<RowProblem> refused; // slips whose barcode did not read back
    QList<int> unprinted;      // rows of the slips the printer did not accept, in order
};

// Prints slips on the current printer as one job, three to an A4 sheet (at 0, 99 and 198 mm from
// its top, in frame: the calibration and the stored offsets; dashed cut lines between complete
// slips), a page per sheet. Every slip's barcode is read back at each resolution the printer may
// print at before it goes onto its sheet; a slip that does not read back is left out and reported.
// The job leaves the program whole at the end, so cancelling (before the next slip) or a spooler
// that does not take the job prints nothing. Throws UserError before anything is drawn when the
// frame puts any part of a sheet's slips off the sheet, saying by how much.
// A printer that writes a file would ask for a file: batches go to writeSlipPdf instead.
BatchPrintResult printSlipBatch(PrinterDevice &printer, const Hub3aPrintFrame &frame,
                                const QList<NumberedSlip> &slips, PrintMode mode,
                                const BatchHooks &hooks = {});

// Before printSlipBatch: the question to ask when the sheets' slips reach into the strips the
// current printer cannot print (hub3aUnprintableQuestion), or empty. Throws as printSlipBatch when
// the frame puts a sheet's slips off the sheet.
QString batchUnprintableQuestion(const PrinterDevice &printer, const Hub3aPrintFrame &frame, qsizetype slips,
                                 PrintMode mode);

// What the end of a batch print says: why it stopped where it did, how many of total slips the
// printer accepted, and which rows it did not print (the list, or the first and last of many).
QString batchPrintSummary(const BatchPrintResult &result, int total);
