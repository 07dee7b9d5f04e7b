#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPolygon>

// A barcode read from a picture: its bytes (in UTF-8 where the symbol names another character set
// with an ECI, otherwise as they are) and its corners in the picture's pixels.
struct FoundBarcode
{
    QByteArray bytes;
    QPolygon where;
};

// What one search of a picture saw: the PDF417 and QR symbols read.
struct PictureLook
{
    QList<FoundBarcode> found;
};

// How a search tells dark from light. Fixed (one threshold in the middle of the grey scale) is the
// quickest, and reads clean renders and grainy scans alike; Local follows uneven light, as in a
// photo; Histogram takes one threshold from the picture's own greys, for faint or dark pages.
enum class Threshold { Fixed, Local, Histogram };

// The picture in grey, as every search takes it.
QImage grayPicture(const QImage &image);

// One search of a grey picture, hard and at every quarter turn.
PictureLook lookAt(const QImage &gray, Threshold threshold);

// Where a PDF417 symbol's start column stands on the picture, read or not: the 8-1-1-1-1-1-1-3
// bars and spaces of its start pattern on ten rows or more, one above the other, upright or upside
// down. A quick pass over the pixels with one fixed threshold; text and pictures do not draw it.
QList<QRect> pdf417Marks(const QImage &gray);

// The picture with each of places painted white, a little beyond its corners, so that a new search
// sees only what else it holds.
QImage withoutPlaces(const QImage &gray, const QList<QPolygon> &places);

// The picture turned by degrees about its centre on white, for a photo taken askew.
QImage turnedPicture(const QImage &gray, int degrees);
// The corners of a place on the turned picture, on the picture as it was.
QPolygon unturnedPlace(const QPolygon &place, QSize size, int degrees);
