#pragma once

#include <QByteArray>
#include <QImage>

#include <optional>

// Reads the PDF417 barcode in a picture of a printed slip and gives the bytes it carries, as they
// are (no character set conversion), or nothing when no PDF417 symbol can be read.
std::optional<QByteArray> readBarcodeBytes(const QImage &image);

// Checks that the barcode in a picture of a slip carries payload byte for byte. Throws UserError
// saying what went wrong when it does not.
void requireBarcodeReadsBack(const QImage &image, const QByteArray &payload);
