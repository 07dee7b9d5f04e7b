#include "scan/BarcodeFinder.h"

#include "scan/PayloadReading.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <vector>
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
    hints.setBinarizer(binarizer(threshold));
    PictureLook look;
    for (const ZXing::Result &result : ZXing::ReadBarcodes(view, hints)) {
        if (!result.isValid())
            continue;
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

namespace {

QTransform turning(QSize size, int degrees)
{
    QTransform transform;
    transform.translate(size.width() / 2.0, size.height() / 2.0);
    transform.rotate(degrees);
    transform.translate(-size.width() / 2.0, -size.height() / 2.0);
    return transform;
}

// True when the eight runs (bar, space, ...) have the widths of a PDF417 start pattern, 8-1-1-1-1-1-1-3
// modules, within what a module of a pixel or two drawn with soft edges allows.
bool startPattern(const int (&runs)[8])
{
    static constexpr int modules[8] = {8, 1, 1, 1, 1, 1, 1, 3};
    int total = 0;
    for (const int run : runs)
        total += run;
    const double module = total / 17.0;
    if (module < 1.2)
        return false;
    for (int i = 0; i < 8; ++i) {
        const double width = runs[i] / module;
        if (width < modules[i] * 0.5 - 0.1 || width > modules[i] * 1.5 + 0.4)
            return false;
    }
    return true;
}

} // namespace

QList<QRect> pdf417Marks(const QImage &gray)
{
    constexpr uchar threshold = 128;
    constexpr int minimumRows = 10;
    // Start patterns one above the other: where they stand so far and on how many rows.
    struct Column
    {
        QRect box;
        int lastRow;
        int lastLeft;
        int rows;
    };
    QList<Column> open;
    QList<QRect> marks;
    std::vector<int> runs;
    for (int y = 0; y < gray.height(); ++y) {
        const uchar *line = gray.constScanLine(y);
        runs.clear();
        std::vector<int> starts;
        bool dark = line[0] < threshold;
        int start = 0;
        for (int x = 1; x <= gray.width(); ++x) {
            const bool here = x < gray.width() && line[x] < threshold;
            if (x == gray.width() || here != dark) {
                if (dark || !runs.empty()) { // runs begin with a bar
                    runs.push_back(x - start);
                    starts.push_back(start);
                }
                start = x;
                dark = here;
            }
        }
        QList<QRect> found;
        // Runs alternate from a bar: upright, the pattern begins on a bar; upside down, it ends on
        // one and is read backwards from there.
        for (size_t i = 0; i + 8 <= runs.size(); ++i) {
            int widths[8];
            for (size_t k = 0; k < 8; ++k)
                widths[k] = i % 2 == 0 ? runs[i + k] : runs[i + 7 - k];
            if (startPattern(widths)) {
                const int left = starts[i];
                found.append(QRect(left, y, starts[i + 7] + runs[i + 7] - left, 1));
            }
        }
        for (const QRect &row : found) {
            const auto column = std::find_if(open.begin(), open.end(), [&row, y](const Column &c) {
                return c.lastRow >= y - 2 && c.lastRow < y && std::abs(c.lastLeft - row.left()) <= 3;
            });
            if (column != open.end()) {
                column->box = column->box.united(row);
                column->lastRow = y;
                column->lastLeft = row.left();
                ++column->rows;
            } else {
                open.append({row, y, row.left(), 1});
            }
        }
        // A column that ended: a mark when it stood on enough rows.
        for (auto column = open.begin(); column != open.end();) {
            if (column->lastRow < y - 2 || y == gray.height() - 1) {
                if (column->rows >= minimumRows)
                    marks.append(column->box);
                column = open.erase(column);
            } else {
                ++column;
            }
        }
    }
    return marks;
}

QImage turnedPicture(const QImage &gray, int degrees)
{
    QImage turned(gray.size(), QImage::Format_Grayscale8);
    turned.fill(Qt::white);
    QPainter painter(&turned);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(turning(gray.size(), degrees));
    painter.drawImage(0, 0, gray);
    return turned;
}

QPolygon unturnedPlace(const QPolygon &place, QSize size, int degrees)
{
    return turning(size, degrees).inverted().map(place);
}
