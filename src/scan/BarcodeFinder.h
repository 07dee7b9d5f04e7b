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

// What one search of a picture saw: the PDF417 and QR symbols read, and the corners of each PDF417
// symbol that was seen but could not be read.
struct PictureLook
{
    QList<FoundBarcode> found;
    QList<QPolygon> unread;
};

// How a search tells dark from light. Fixed (one threshold in the middle of the grey scale) is the
// quickest, and reads clean renders and grainy scans alike; Local follows uneven light, as in a
// photo; Histogram takes one threshold from the picture's own greys, for faint or dark pages.
enum class Threshold { Fixed, Local, Histogram };

// The picture in grey, as every search takes it.
QImage grayPicture(const QImage &image);

// One search of a grey picture, hard and at every quarter turn.
PictureLook lookAt(const QImage &gray, Threshold threshold);

// The picture with each of places painted white, a little beyond its corners, so that a new search
// sees only what else it holds.
QImage withoutPlaces(const QImage &gray, const QList<QPolygon> &places);

// The picture turned by degrees about its centre on white, for a photo taken askew.
QImage turnedPicture(const QImage &gray, int degrees);
