#pragma once

#include "scan/ScannedSlip.h"

#include <QStringList>

#include <atomic>
#include <functional>

// Reads the payment barcodes (HUB-3 PDF417, EPC QR) on the pages of a PDF or an image file: each page
// at 300 dpi, again at 600 dpi when nothing is found, then turned a few degrees either way. Every
// barcode that is a slip's gives a ScannedSlip (its verdict from the payment checks); a page without
// one, a payload that breaks a rule and a file that cannot be read give a ScanMiss with a Croatian
// message. Never throws. cancel, when set, stops between pages and during a page's rendering.
FileScan scanInvoice(const QString &path, const std::atomic_bool *cancel = nullptr);

// scanInvoice of each file, a few files side by side on threads of their own, the results in the
// order of the files; progress(done) after each file, on the thread that read it (one call at a
// time); stops early when cancel is set, leaving out the files not read.
QList<FileScan> scanInvoices(const QStringList &paths, const std::atomic_bool *cancel = nullptr,
                             const std::function<void(int)> &progress = {});

// The file dialog's and the drop's filter: what scanInvoice reads, by name.
bool isScannableName(const QString &path);
