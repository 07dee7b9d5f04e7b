#pragma once

#include <QTextStream>

struct RenderOptions;

// zorprint-render --scan FILE... -o OUT: reads the payment barcodes of the files and writes OUT.csv,
// the batch table with a row per barcode in the order of the files and pages, or OUT.txt (or a name
// without an extension), the HUB-3A slip file of the one barcode found. Each file or page without a
// slip is a JSON line {"file", "page", "message"} on errors (page 0: the whole file). Gives the exit
// status: 0 a slip from every file, 1 some files gave none, 2 a file that is neither a PDF nor an
// image that can be read, or an output not written (also a slip file for several barcodes).
int runScan(const RenderOptions &options, QTextStream &errors);
