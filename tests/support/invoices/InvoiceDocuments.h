#pragma once

#include "model/Hub3aRecord.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Invoices made for the scanner's tests from barcodes of the program's own encoder: pages drawn as
// vectors or as pictures, at small resolutions so that the sanitized build reads them in time.
namespace InvoiceDocuments {

// A slip with every field the barcode carries, Croatian letters included.
Hub3aRecord fullSlip();
QByteArray hub3Payload(const Hub3aRecord &record);

// The HUB-3A PDF417 symbol of payload (the program's encoder), modulePixels wide a module.
QImage pdf417Image(const QByteArray &payload, int modulePixels);
// A QR symbol of bytes as they are (libzint), modulePixels a module.
QImage qrImage(const QByteArray &bytes, int modulePixels);

// An A4 page in grey at dpi with a few lines of text and, unless payload is empty, its barcode at
// 0.254 mm a module (a QR code when qr).
QImage invoicePage(const QByteArray &payload, int dpi, bool qr = false);
// Grain over a picture, the same every run.
QImage withNoise(const QImage &image, int amplitude);
// A photo's faults: turned by degrees and softened.
QImage asPhoto(const QImage &image, double degrees);

// A PDF of A4 pages; a page with a payload carries its PDF417 symbol drawn as vector rectangles.
void writeVectorPdf(const QString &path, const QList<QByteArray> &pagePayloads);
// A one-page PDF of two vector symbols side by side, the second secondSize times the first's size.
void writeTwoSymbolPdf(const QString &path, const QByteArray &first, const QByteArray &second, double secondSize);
// A hybrid invoice: a vector PDF of one page (its barcode unless payload is empty) that carries xml
// as the embedded file xmlName.
void writeHybridPdf(const QString &path, const QByteArray &payload, const QString &xmlName, const QByteArray &xml);
// A PDF holding only the picture of a page, as a scanner makes it.
void writeScannedPdf(const QString &path, const QImage &page, int dpi);
void writeImage(const QString &path, const QImage &image, const char *format, int quality = -1);

} // namespace InvoiceDocuments
