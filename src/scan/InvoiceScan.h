#pragma once

#include "scan/ScannedSlip.h"

#include <QStringList>

#include <atomic>
#include <functional>

// Reads the payment barcodes (HUB-3 PDF417, EPC QR) on the pages of a PDF or an image file. Every
// page gets a quick look first (300 dpi, one threshold); the slower looks (other thresholds,
// 600 dpi, turned a few degrees) go only to a page where a symbol was seen but not read, a page
// holding only another kind of code, and, when the quick looks found no payment in the file, every
// page. A coarse picture (a scan of 200 dpi or less) where a payment was read is searched once more
// at twice its size, with what was read painted out, for a smaller symbol beside it. Each barcode
// found is painted out and the page searched again, so that every barcode on a
// page is read. Every barcode that is a slip's gives a ScannedSlip (its verdict from the payment
// checks); a page without one, a symbol that cannot be read, a payload that breaks a rule and a file
// that cannot be read give a ScanMiss with a Croatian message. The file is given up once
// deadlinePassed() is true: by default after ScanLimits::fileMilliseconds of the steady clock. An
// e-invoice (.xml) and a PDF that carries one give the invoice's payment instead, checked against its
// picture's barcodes (EInvoiceScan.h). Never throws. cancel, when set, stops between looks and during
// a page's rendering; pageDone() is called after each page's first look.
FileScan scanInvoice(const QString &path, const std::atomic_bool *cancel = nullptr,
                     const std::function<void()> &pageDone = {}, std::function<bool()> deadlinePassed = {});

// scanInvoice of each file, a few files side by side on threads of their own, the results in the
// order of the files; progress(files done, pages looked at) after each file and page, on the
// thread that read it (one call at a time); stops early when cancel is set, leaving out the files
// not read.
QList<FileScan> scanInvoices(const QStringList &paths, const std::atomic_bool *cancel = nullptr,
                             const std::function<void(int files, int pages)> &progress = {});

// The file dialog's and the drop's filter: what scanInvoice reads, by name.
bool isScannableName(const QString &path);
