#pragma once

#include "einvoice/EInvoice.h"

#include <QByteArray>

// Reads UBL invoices and credit notes and CII invoices, matching elements by namespace whatever
// their prefixes. Bounded like the bank's answers: no DTD or entities, at most largestInvoice
// bytes, deepestNesting levels, mostAttributes attributes an element; texts cut at longestText,
// embedded PDFs kept up to mostPictures of largestPicture bytes (base64) each, larger ones left out.
namespace EInvoiceReader {

constexpr qsizetype largestInvoice = 64 * 1024 * 1024;
constexpr int deepestNesting = 60;
constexpr int mostAttributes = 64;
constexpr qsizetype longestText = 1000;
constexpr qsizetype largestPicture = 16 * 1024 * 1024;
constexpr int mostPictures = 4;
constexpr int mostMeans = 20;

// Throws UserError in Croatian for bytes that are not such an invoice.
EInvoice read(const QByteArray &bytes);

// True when bytes begin as an XML document does (after a byte order mark and white space).
bool looksLikeXml(const QByteArray &bytes);

} // namespace EInvoiceReader
