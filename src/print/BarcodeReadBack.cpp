#include "print/BarcodeReadBack.h"

#include "model/UserError.h"

#include <ZXing/ReadBarcode.h>

std::optional<QByteArray> readBarcodeBytes(const QImage &image)
{
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                                static_cast<int>(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::PDF417);
    hints.setTryRotate(false);
    hints.setTryDownscale(false);
    hints.setTryHarder(false);
    hints.setBinarizer(ZXing::Binarizer::FixedThreshold);
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    if (!result.isValid())
        return std::nullopt;
    const ZXing::ByteArray &bytes = result.bytes();
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

void requireBarcodeReadsBack(const QImage &image, const QByteArray &payload)
{
    const std::optional<QByteArray> read = readBarcodeBytes(image);
    if (!read)
        throw UserError(QStringLiteral("Ispisani bar-kod se ne može pročitati, pa se nalog ne ispisuje"));
    if (*read != payload)
        throw UserError(QStringLiteral("Ispisani bar-kod ne nosi podatke naloga, pa se nalog ne ispisuje"));
}
