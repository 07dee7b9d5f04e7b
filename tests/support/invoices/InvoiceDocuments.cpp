#include "InvoiceDocuments.h"

#include "model/Hub3aPayload.h"
#include "render/BarcodeSymbol.h"

#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>

#include <zint.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace InvoiceDocuments {

namespace {

constexpr double moduleMm = 0.254;

void drawText(QPainter &painter, int dpi)
{
    QFont font(u"Liberation Sans"_s);
    font.setPixelSize(dpi / 6);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QStringList lines{u"RAČUN br. 17/2026"_s, u"Vodovod d.o.o., Zagreb"_s, u"Za platiti: 123,45 EUR"_s};
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(dpi, dpi + i * dpi / 4, lines[i]);
}

} // namespace

Hub3aRecord fullSlip()
{
    Hub3aRecord record;
    const std::pair<Hub3aField, const char *> texts[] = {
        {Hub3aField::PayerName, "Ivana Čičak"},
        {Hub3aField::PayerStreet, "Ilica 12"},
        {Hub3aField::PayerPlace, "10000 Zagreb"},
        {Hub3aField::RecipientName, "Vodovod d.o.o."},
        {Hub3aField::RecipientStreet, "Folnegovićeva 1"},
        {Hub3aField::RecipientPlace, "10000 Zagreb"},
        {Hub3aField::RecipientIban, "HR1210010051863000160"},
        {Hub3aField::RecipientModel, "HR01"},
        {Hub3aField::RecipientReference, "102-3057-89016"},
        {Hub3aField::PurposeCode, "WTER"},
        {Hub3aField::Description, "Voda za 11/2026, račun 17"},
        {Hub3aField::Amount, "1.234,56"},
    };
    for (const auto &[field, text] : texts)
        record.set(field, QString::fromUtf8(text));
    return record;
}

QByteArray hub3Payload(const Hub3aRecord &record)
{
    return hub3aPayloadBytes(record).value();
}

QImage pdf417Image(const QByteArray &payload, int modulePixels)
{
    const BarcodeSymbol symbol = BarcodeSymbol::hub3a(payload);
    const int quiet = BarcodeSymbol::quietModules * modulePixels;
    const int rowPixels = BarcodeSymbol::rowModules * modulePixels;
    QImage image(symbol.width() * modulePixels + 2 * quiet, symbol.rows() * rowPixels + 2 * quiet,
                 QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int row = 0; row < symbol.rows(); ++row) {
        for (int column = 0; column < symbol.width(); ++column) {
            if (symbol.dark(row, column))
                painter.fillRect(quiet + column * modulePixels, quiet + row * rowPixels, modulePixels,
                                 rowPixels, Qt::black);
        }
    }
    return image;
}

QImage qrImage(const QByteArray &bytes, int modulePixels)
{
    const std::unique_ptr<zint_symbol, void (*)(zint_symbol *)> symbol(ZBarcode_Create(), ZBarcode_Delete);
    symbol->symbology = BARCODE_QRCODE;
    symbol->input_mode = DATA_MODE;
    symbol->option_1 = 2; // error correction M, as EPC QR codes carry
    symbol->scale = float(modulePixels) / 2;
    ZBarcode_Encode_and_Buffer(symbol.get(), reinterpret_cast<const unsigned char *>(bytes.constData()),
                               int(bytes.size()), 0);
    QImage image(symbol->bitmap_width, symbol->bitmap_height, QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.scanLine(y)[x] = symbol->bitmap[(y * image.width() + x) * 3];
    }
    return image;
}

QImage invoicePage(const QByteArray &payload, int dpi, bool qr)
{
    QImage page(dpi * 210 / 25.4, dpi * 297 / 25.4, QImage::Format_Grayscale8);
    page.fill(Qt::white);
    QPainter painter(&page);
    drawText(painter, dpi);
    if (!payload.isEmpty()) {
        const int module = std::max(1, int(std::lround(moduleMm * dpi / 25.4)));
        const QImage symbol = qr ? qrImage(payload, 2 * module) : pdf417Image(payload, module);
        painter.drawImage(dpi, page.height() - dpi - symbol.height(), symbol);
    }
    return page;
}

QImage withNoise(const QImage &image, int amplitude)
{
    QImage noisy = image.convertToFormat(QImage::Format_Grayscale8);
    QRandomGenerator random(17);
    for (int y = 0; y < noisy.height(); ++y) {
        uchar *line = noisy.scanLine(y);
        for (int x = 0; x < noisy.width(); ++x)
            line[x] = uchar(std::clamp(int(line[x]) + random.bounded(-amplitude, amplitude + 1), 0, 255));
    }
    return noisy;
}

QImage asPhoto(const QImage &image, double degrees)
{
    QImage turned(image.size(), QImage::Format_RGB32);
    turned.fill(QColor(235, 230, 220));
    QPainter painter(&turned);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(image.width() / 2.0, image.height() / 2.0);
    painter.rotate(degrees);
    painter.translate(-image.width() / 2.0, -image.height() / 2.0);
    painter.drawImage(0, 0, image);
    painter.end();
    // Down and up again: edges a pixel or two soft, as a phone's lens leaves them.
    return turned.scaled(turned.size() * 2 / 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(turned.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {

// The HUB-3A symbol of payload as vector rectangles, its top left corner at origin.
void drawSymbol(QPainter &painter, const QByteArray &payload, QPointF origin, double module)
{
    const BarcodeSymbol symbol = BarcodeSymbol::hub3a(payload);
    for (int row = 0; row < symbol.rows(); ++row) {
        for (int column = 0; column < symbol.width(); ++column) {
            if (symbol.dark(row, column))
                painter.fillRect(QRectF(origin.x() + column * module,
                                        origin.y() + row * module * BarcodeSymbol::rowModules, module,
                                        module * BarcodeSymbol::rowModules),
                                 Qt::black);
        }
    }
}

} // namespace

void writeVectorPdf(const QString &path, const QList<QByteArray> &pagePayloads)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(1200);
    QPainter painter(&writer);
    const double module = moduleMm * 1200 / 25.4;
    for (qsizetype i = 0; i < pagePayloads.size(); ++i) {
        if (i > 0)
            writer.newPage();
        drawText(painter, 1200);
        if (!pagePayloads[i].isEmpty())
            drawSymbol(painter, pagePayloads[i], QPointF(1200, 1200 * 7), module);
    }
}

void writeHybridPdf(const QString &path, const QByteArray &payload, const QString &xmlName, const QByteArray &xml)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(1200);
    writer.addFileAttachment(xmlName, xml, QStringLiteral("text/xml"));
    QPainter painter(&writer);
    drawText(painter, 1200);
    if (!payload.isEmpty())
        drawSymbol(painter, payload, QPointF(1200, 1200 * 7), moduleMm * 1200 / 25.4);
}

void writeTwoSymbolPdf(const QString &path, const QByteArray &first, const QByteArray &second, double secondSize)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(1200);
    QPainter painter(&writer);
    const double module = moduleMm * 1200 / 25.4;
    drawText(painter, 1200);
    drawSymbol(painter, first, QPointF(600, 1200 * 7), module);
    drawSymbol(painter, second, QPointF(600 + 1200 * 3.5, 1200 * 7), module * secondSize);
}

void writeScannedPdf(const QString &path, const QImage &page, int dpi)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(dpi);
    QPainter painter(&writer);
    painter.drawImage(QRect(0, 0, page.width(), page.height()), page);
}

void writeImage(const QString &path, const QImage &image, const char *format, int quality)
{
    QImageWriter writer(path, format);
    writer.setQuality(quality);
    writer.write(image);
}

} // namespace InvoiceDocuments
