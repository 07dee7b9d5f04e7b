#include "scan/ImagePages.h"

#include "model/UserError.h"
#include "scan/ScanLimits.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// The size a reader announces, refused when it is none or over the pixel budget: checked before a
// single pixel is decoded.
void requireDecodableSize(const QImageReader &reader)
{
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        throw UserError(u"Slika se ne može pročitati: %1"_s.arg(reader.errorString()));
    if (qint64(size.width()) * size.height() > ScanLimits::pixelBudget)
        throw UserError(
            u"Slika od %1 × %2 točaka veća je od dopuštenih 60 milijuna točaka"_s.arg(size.width())
                .arg(size.height()));
}

// A 3 × 3 average: the grain of a scanner's sensor evens out while modules a few pixels wide stay.
QImage softened(const QImage &gray)
{
    QImage soft(gray.size(), QImage::Format_Grayscale8);
    const int width = gray.width(), height = gray.height();
    for (int y = 0; y < height; ++y) {
        const uchar *rows[3] = {gray.constScanLine(std::max(y - 1, 0)), gray.constScanLine(y),
                                gray.constScanLine(std::min(y + 1, height - 1))};
        uchar *out = soft.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int left = std::max(x - 1, 0), right = std::min(x + 1, width - 1);
            int sum = 0;
            for (const uchar *row : rows)
                sum += row[left] + row[x] + row[right];
            out[x] = static_cast<uchar>(sum / 9);
        }
    }
    return soft;
}

} // namespace

ImagePages::ImagePages(const QString &path) : m_path(path)
{
    // Qt refuses to decode a picture over 128 MB; the pixel budget allows one of up to 60 million
    // pixels at eight bytes each (16 bits a channel, as some scanners write).
    static const bool allowed =
        (QImageReader::setAllocationLimit(int(ScanLimits::pixelBudget * 8 / (1024 * 1024)) + 1), true);
    Q_UNUSED(allowed);
    QImageReader reader(path);
    if (!reader.canRead())
        throw UserError(u"Datoteka nije PDF ni slika koja se može pročitati"_s);
    requireDecodableSize(reader);
    const int frames = reader.imageCount();
    m_count = std::clamp(frames, 1, ScanLimits::maxPages);
    m_cut = frames > ScanLimits::maxPages;
}

QImage ImagePages::readFrame(int index, qint64 pixels)
{
    QImageReader reader(m_path);
    reader.setAutoTransform(true);
    if (index > 0 && !reader.jumpToImage(index)) {
        m_failure = u"Slika se ne može pročitati"_s;
        return QImage();
    }
    try {
        requireDecodableSize(reader);
    } catch (const UserError &e) {
        m_failure = e.text();
        return QImage();
    }
    // A picture larger than the search needs is decoded smaller (a JPEG's decoder scales as it
    // decodes), which costs less time and memory than the whole and reads as well.
    const QSize size = reader.size();
    const qint64 count = qint64(size.width()) * size.height();
    m_frameWhole = count <= pixels;
    if (!m_frameWhole) {
        const double factor = std::sqrt(double(pixels) / double(count));
        reader.setScaledSize(QSize(std::max(1, int(size.width() * factor)), std::max(1, int(size.height() * factor))));
    }
    const QImage frame = reader.read();
    if (frame.isNull()) {
        m_failure = u"Slika se ne može pročitati: %1"_s.arg(reader.errorString());
        return QImage();
    }
    return frame.convertToFormat(QImage::Format_Grayscale8);
}

QImage ImagePages::page(int index, int dpi)
{
    m_failure.clear();
    const bool first = dpi <= ScanLimits::firstDpi;
    const qint64 pixels = first ? ScanLimits::firstLookPixels : ScanLimits::fineLookPixels;
    if (m_frameRead != index || (m_framePixels != pixels && !m_frameWhole)) {
        m_frame = readFrame(index, pixels);
        m_frameRead = m_frame.isNull() ? -1 : index;
        m_framePixels = pixels;
        if (m_frame.isNull())
            return QImage();
    }
    if (first)
        return m_frame;
    // A second look at a small scan gives the reader modules twice as wide; at any size, softened grain.
    if (qint64(m_frame.width()) * m_frame.height() <= ScanLimits::smallPicture)
        return softened(m_frame.scaled(m_frame.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    return softened(m_frame);
}
