#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// The bytes of every PDF417 and QR symbol found in a picture, each once, as they are (no character
// set conversion). Looks hard and at every quarter turn, with local thresholds and then, when they
// find nothing, with one threshold for the picture.
QList<QByteArray> findBarcodes(const QImage &image);

// The barcodes of the picture turned a few degrees either way (ScanLimits::askewDegrees), for photos
// taken askew, with local thresholds; the first angle that finds anything gives the result.
QList<QByteArray> findBarcodesAskew(const QImage &image);
