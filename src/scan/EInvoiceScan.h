#pragma once

#include "einvoice/EInvoice.h"
#include "scan/DocumentPages.h"
#include "scan/ScannedSlip.h"

#include <atomic>
#include <optional>

// An e-invoice's payment among the slips read from files: its slip (source EInvoice, page 0) with
// the verdict of its checks, or a miss naming why there is nothing to pay. The slips read from the
// barcodes of the invoice's own picture are no payments of their own: each is compared with the
// invoice's, and when one differs both are listed, held, with what differs.
void addEInvoice(FileScan &scan, const QString &path, const EInvoice &invoice,
                 const QList<ScannedSlip> &pictureSlips);

// Reads the e-invoice XML at path and, when it carries its picture as a PDF, that picture's
// barcodes. Never throws: a file that is no e-invoice is unreadable, with the reason as its miss.
FileScan scanEInvoiceFile(const QString &path, const std::atomic_bool *cancel = nullptr);

// The first of a PDF's embedded files that reads as an e-invoice.
std::optional<EInvoice> embeddedEInvoice(const QList<EmbeddedDocument> &files);

// True for a name scanEInvoiceFile reads (.xml).
bool isEInvoiceName(const QString &path);
