#pragma once

#include "batch/Hub3aTable.h"
#include "batch/SlipBatchPdf.h"
#include "print/Hub3aSlipPage.h"

class PrinterDevice;

// What printing a batch did.
struct BatchPrintResult
{
    int sent = 0;              // slips on the sheets handed to the printer
    int sheets = 0;            // documents handed to the printer
    bool cancelled = false;    // stopped by the cancel hook
    bool declined = false;     // the printer asked for a file name and the user gave none
    QList<RowProblem> refused; // slips whose barcode did not read back
};

// Prints slips on the current printer, three to an A4 sheet (at 0, 99 and 198 mm from its top,
// in frame: the calibration and the stored offsets; dashed cut lines between complete slips), each
// sheet a document of its own. Every
// slip's barcode is read back at each resolution the printer may print at before it goes onto its
// sheet; a slip that does not read back is left out and reported. Cancelling stops before the next
// slip: the sheets already handed over stay sent, the slips gathered for the next one are not.
// A printer that writes a file would ask for a file per sheet: batches go to writeSlipPdf instead.
BatchPrintResult printSlipBatch(PrinterDevice &printer, const Hub3aPrintFrame &frame,
                                const QList<NumberedSlip> &slips, PrintMode mode,
                                const BatchHooks &hooks = {});
