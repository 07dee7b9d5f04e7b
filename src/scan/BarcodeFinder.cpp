#include "scan/BarcodeFinder.h"

#include "scan/ScanLimits.h"

#include <QPainter>
#include <ZXing/ReadBarcode.h>

namespace {

QList<QByteArray> read(const QImage &gray, ZXing::Binarizer binarizer)
{
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                                static_cast<int>(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::PDF417 | ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    hints.setBinarizer(binarizer);
    QList<QByteArray> found;
    for (const ZXing::Result &result : ZXing::ReadBarcodes(view, hints)) {
        if (!result.isValid())
            continue;
        const ZXing::ByteArray &bytes = result.bytes();
        const QByteArray payload(reinterpret_cast<const char *>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size()));
        if (!found.contains(payload))
            found.append(payload);
    }
    return found;
}

} // namespace

QList<QByteArray> findBarcodes(const QImage &image)
{
    const QImage gray = image.format() == QImage::Format_Grayscale8
                            ? image
                            : image.convertToFormat(QImage::Format_Grayscale8);
    // Local thresholds follow uneven light, but on a grainy scan they cut the white paper into
    // specks; one threshold for the whole page reads those.
    QList<QByteArray> found = read(gray, ZXing::Binarizer::LocalAverage);
    return found.isEmpty() ? read(gray, ZXing::Binarizer::GlobalHistogram) : found;
}

QList<QByteArray> findBarcodesAskew(const QImage &image)
{
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    for (const int degrees : ScanLimits::askewDegrees) {
        QImage turned(gray.size(), QImage::Format_Grayscale8);
        turned.fill(Qt::white);
        QPainter painter(&turned);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(gray.width() / 2.0, gray.height() / 2.0);
        painter.rotate(degrees);
        painter.translate(-gray.width() / 2.0, -gray.height() / 2.0);
        painter.drawImage(0, 0, gray);
        painter.end();
        // Local thresholds only: a photo's light is uneven, and each angle is a whole page's search.
        if (QList<QByteArray> found = read(turned, ZXing::Binarizer::LocalAverage); !found.isEmpty())
            return found;
    }
    return {};
}
