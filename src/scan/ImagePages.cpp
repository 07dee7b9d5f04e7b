#include "scan/ImagePages.h"

#include "model/UserError.h"
#include "scan/ScanLimits.h"

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
        throw UserError(u"Slika od %1 × %2 točaka veća je od dopuštenih 60 milijuna točaka"_s.arg(size.width())
                            .arg(size.height()));
}

} // namespace

ImagePages::ImagePages(const QString &path) : m_path(path)
{
    QImageReader reader(path);
    if (!reader.canRead())
        throw UserError(u"Datoteka nije PDF ni slika koja se može pročitati"_s);
    requireDecodableSize(reader);
    const int frames = reader.imageCount();
    m_count = std::clamp(frames, 1, ScanLimits::maxPages);
    m_cut = frames > ScanLimits::maxPages;
}

QImage ImagePages::page(int index, int dpi)
{
    m_failure.clear();
    if (m_frameRead != index) {
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
        m_frame = reader.read();
        m_frameRead = index;
        if (m_frame.isNull()) {
            m_failure = u"Slika se ne može pročitati: %1"_s.arg(reader.errorString());
            return QImage();
        }
        m_frame = m_frame.convertToFormat(QImage::Format_Grayscale8);
    }
    // A second look at a small scan gives the reader modules twice as wide.
    if (dpi > ScanLimits::firstDpi && qint64(m_frame.width()) * m_frame.height() * 4 <= ScanLimits::pixelBudget / 4)
        return m_frame.scaled(m_frame.size() * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return m_frame;
}
