#include "PdfPage.h"

#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

constexpr int darkBelow = 128;

QString runTool(const QString &program, const QStringList &arguments, QString *error)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        *error = program + u" failed: "_s + QString::fromLocal8Bit(process.readAllStandardError());
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString infoField(const QString &info, const QString &name)
{
    const QRegularExpression field(u"^%1:\\s*(.*)$"_s.arg(name), QRegularExpression::MultilineOption);
    return field.match(info).captured(1).trimmed();
}

// Longest run of dark pixels along one line of the image.
template <typename Dark>
void longestOnLine(int line, int length, Dark dark, double scale, InkRun &best, int &bestLength)
{
    int start = -1;
    for (int i = 0; i <= length; ++i) {
        const bool isDark = i < length && dark(i);
        if (isDark && start < 0)
            start = i;
        if (!isDark && start >= 0) {
            if (i - start > bestLength) {
                bestLength = i - start;
                best = {(line + 0.5) / scale, start / scale, i / scale};
            }
            start = -1;
        }
    }
}

} // namespace

PdfPage PdfPage::read(const QString &path)
{
    PdfPage page;
    const QString info = runTool(u"pdfinfo"_s, {path}, &page.error);
    page.title = infoField(info, u"Title"_s);
    page.pages = infoField(info, u"Pages"_s).toInt();
    const QRegularExpressionMatch size =
        QRegularExpression(u"([\\d.]+) x ([\\d.]+) pts"_s).match(infoField(info, u"Page size"_s));
    page.sizeMm = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble()) * (25.4 / 72.0);
    page.text = runTool(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s}, &page.error);

    page.raster = pdfRaster(path, qRound(pixelsPerMm * 25.4), &page.error);
    if (page.raster.isNull() && page.error.isEmpty())
        page.error = u"pdftoppm gave no page for "_s + path;
    return page;
}

QImage pdfRaster(const QString &path, double dotsPerInch, QString *error)
{
    QString failure;
    QTemporaryDir dir;
    const QString stem = dir.filePath(u"page"_s);
    runTool(u"pdftoppm"_s,
            {u"-r"_s, QString::number(dotsPerInch), u"-gray"_s, u"-singlefile"_s, u"-f"_s, u"1"_s, u"-l"_s,
             u"1"_s, path, stem},
            &failure);
    if (error && !failure.isEmpty())
        *error = failure;
    // An A4 page at 600 dpi is beyond the image reader's default limit.
    QImageReader reader(stem + u".pgm"_s);
    reader.setAllocationLimit(1024);
    return reader.read().convertToFormat(QImage::Format_Grayscale8);
}

InkRun longestHorizontalRun(const QImage &image, double pixelsPerLength)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    InkRun best;
    int bestLength = 0;
    for (int y = 0; y < grey.height(); ++y) {
        const uchar *row = grey.constScanLine(y);
        longestOnLine(
            y, grey.width(), [row](int x) { return row[x] < darkBelow; }, pixelsPerLength, best, bestLength);
    }
    return best;
}

InkRun longestVerticalRun(const QImage &image, double pixelsPerLength)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    InkRun best;
    int bestLength = 0;
    for (int x = 0; x < grey.width(); ++x)
        longestOnLine(
            x, grey.height(), [&grey, x](int y) { return grey.constScanLine(y)[x] < darkBelow; },
            pixelsPerLength, best, bestLength);
    return best;
}
