#include "scan/BarcodeFinder.h"

#include "scan/PayloadReading.h"

#include <QPainter>
#include <ZXing/ReadBarcode.h>

namespace {

ZXing::Binarizer binarizer(Threshold threshold)
{
    switch (threshold) {
    case Threshold::Local:
        return ZXing::Binarizer::LocalAverage;
    case Threshold::Histogram:
        return ZXing::Binarizer::GlobalHistogram;
    case Threshold::Fixed:
        break;
    }
    return ZXing::Binarizer::FixedThreshold;
}

QByteArray bytesOf(const ZXing::ByteArray &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

// The symbol's bytes; those of a symbol with a character set marker in UTF-8 when the marker names a
// character set that is known, as they are otherwise (and then refused as the payload's reader
// refuses bytes that are not UTF-8).
QByteArray payloadOf(const ZXing::Result &result)
{
    if (result.hasECI()) {
        if (const std::optional<QByteArray> text = eciProtocolUtf8(bytesOf(result.bytesECI())))
            return *text;
    }
    return bytesOf(result.bytes());
}

QPolygon cornersOf(const ZXing::Result &result)
{
    QPolygon corners;
    for (const ZXing::PointI &point : result.position())
        corners.append(QPoint(point.x, point.y));
    return corners;
}

} // namespace

QImage grayPicture(const QImage &image)
{
    return image.format() == QImage::Format_Grayscale8 ? image : image.convertToFormat(QImage::Format_Grayscale8);
}

PictureLook lookAt(const QImage &gray, Threshold threshold)
{
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                                static_cast<int>(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::PDF417 | ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    // A page is never searched at a third of its size: the payment symbols' modules are fine, and
    // a large picture is already brought down to the resolution the search needs.
    hints.setTryDownscale(false);
    hints.setReturnErrors(true);
    hints.setBinarizer(binarizer(threshold));
    PictureLook look;
    for (const ZXing::Result &result : ZXing::ReadBarcodes(view, hints)) {
        if (!result.isValid()) {
            if (result.format() == ZXing::BarcodeFormat::PDF417)
                look.unread.append(cornersOf(result));
            continue;
        }
        const QByteArray payload = payloadOf(result);
        const bool seen = std::any_of(look.found.cbegin(), look.found.cend(),
                                      [&payload](const FoundBarcode &found) { return found.bytes == payload; });
        if (!seen)
            look.found.append({payload, cornersOf(result)});
    }
    return look;
}

QImage withoutPlaces(const QImage &gray, const QList<QPolygon> &places)
{
    QImage masked = gray;
    QPainter painter(&masked);
    // The margin covers a symbol's quiet zone and the bars a skewed outline leaves out.
    const int margin = std::max(8, std::min(gray.width(), gray.height()) / 100);
    for (const QPolygon &place : places)
        painter.fillRect(place.boundingRect().adjusted(-margin, -margin, margin, margin), Qt::white);
    return masked;
}

QImage turnedPicture(const QImage &gray, int degrees)
{
    QImage turned(gray.size(), QImage::Format_Grayscale8);
    turned.fill(Qt::white);
    QPainter painter(&turned);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(gray.width() / 2.0, gray.height() / 2.0);
    painter.rotate(degrees);
    painter.translate(-gray.width() / 2.0, -gray.height() / 2.0);
    painter.drawImage(0, 0, gray);
    return turned;
}
