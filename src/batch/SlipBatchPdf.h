#pragma once

#include "batch/Hub3aTable.h"
#include "batch/SlipSource.h"
#include "render/LayoutStyle.h"

#include <QList>
#include <QString>

#include <functional>

// How a batch of slips goes into a PDF file.
struct BatchPdfOptions
{
    int slipsPerPage = 3; // 1: a 210 x 99 mm page per slip; 3: A4 pages with slips at y 0, 99 and 198 mm
    PrintMode mode = PrintMode::Complete;
    int readBackDpi = 300; // the resolution at which each barcode is drawn and read back
};

// What the window (or a test) learns while a batch is written and how it stops one.
struct BatchHooks
{
    std::function<void(int done, int total)> progress; // after each slip, output or refused
    std::function<bool()> cancelRequested;             // asked before each slip
};

// What writing a batch did.
struct BatchPdfResult
{
    int written = 0;           // slips on the pages of the file
    bool cancelled = false;    // stopped by the cancel hook: no file was written
    QList<RowProblem> refused; // slips whose barcode did not read back
    // Time spent drawing the pages (barcodes included) and waiting for the barcodes to read back
    // (they are read back on worker threads while earlier slips are drawn).
    qint64 drawingNs = 0;
    qint64 readBackNs = 0;
};

// Writes slips to a PDF at path, a page at a time: each slip's barcode is drawn as a device of
// readBackDpi prints it and read back before the slip goes onto its page, and a slip whose barcode
// does not read back is left out and reported. The file is written through a temporary file, so a
// cancelled batch, one where no slip remains or a failure leaves no file (and any old one as it was).
// Throws UserError when the file cannot be written: at once when the folder's free space is clearly
// too small for the slips (pdfBytesPerSlip each), otherwise at the first write that fails.
BatchPdfResult writeSlipPdf(const QString &path, const QList<NumberedSlip> &slips,
                            const BatchPdfOptions &options, const BatchHooks &hooks = {});

// As above with the slips taken from source one at a time as they are drawn, so that only the
// slips under way are held; expected is how many it gives (for the progress and the free-space
// check), or 0 when that is not known.
BatchPdfResult writeSlipPdf(const QString &path, const SlipSource &source, int expected,
                            const BatchPdfOptions &options, const BatchHooks &hooks = {});

// A number of bytes as the clerk reads it: in B, kB, MB or GB, whichever gives a number of at least 1
// (Croatian decimal comma, one decimal from MB up), so that no size reads 0,0.
QString byteSizeText(qint64 bytes);

// The fewest bytes a slip takes in the PDF (a complete slip takes about 7 KB, its data alone a
// little less), for the free-space check before a batch.
constexpr qint64 pdfBytesPerSlip = 4096;
