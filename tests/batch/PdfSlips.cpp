#include "PdfSlips.h"

#include "model/Hub3aPayload.h"
#include "print/BarcodeReadBack.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

QString runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(600'000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QList<NumberedSlip> slips(int count)
{
    QList<NumberedSlip> list;
    for (int i = 1; i <= count; ++i) {
        Hub3aRecord record;
        record.set(Hub3aField::PayerName, u"Član %1 Šimić Đurđević"_s.arg(i));
        record.set(Hub3aField::PayerPlace, u"10000 Zagreb"_s);
        record.set(Hub3aField::RecipientName, u"Udruga Šapica"_s);
        record.set(Hub3aField::RecipientIban, u"HR1210010051863000160"_s);
        record.set(Hub3aField::RecipientModel, u"HR00"_s);
        record.set(Hub3aField::RecipientReference, u"2026-%1"_s.arg(i));
        record.set(Hub3aField::Description, u"Članarina za %1. mjesec"_s.arg(i % 12 + 1));
        record.set(Hub3aField::Amount, hub3aAmountText(i * 137));
        list.append({i, record});
    }
    return list;
}

// The bytes of every barcode in the PDF, page after page and top to bottom, read from a raster of
// the pages at dpi. Only the strip of the barcode cells (x 4.36 to 64.91 mm) is rastered.
QList<QByteArray> barcodesOf(const QString &pdf, int slipsPerPage, int dpi)
{
    const double perMm = dpi / 25.4;
    const QString prefix = pdf + u"-page"_s;
    runTool(u"pdftoppm"_s,
            {u"-r"_s, QString::number(dpi), u"-gray"_s, u"-x"_s, QString::number(qRound(4.36 * perMm)),
             u"-W"_s, QString::number(qRound(60.55 * perMm)), u"-y"_s, u"0"_s, u"-H"_s,
             QString::number(qRound(99 * slipsPerPage * perMm)), pdf, prefix});
    const QDir folder = QFileInfo(pdf).dir();
    QList<QByteArray> barcodes;
    for (const QString &name : folder.entryList({QFileInfo(prefix).fileName() + u"-*.pgm"_s})) {
        const QImage strip(folder.filePath(name));
        for (int slot = 0; slot < slipsPerPage; ++slot) {
            // The barcode cell with 1 mm around it.
            const QImage cell =
                strip.copy(QRectF(0, (54.36 + 99 * slot) * perMm, strip.width(), 28.38 * perMm).toRect());
            if (const std::optional<QByteArray> bytes = readBarcodeBytes(cell))
                barcodes.append(*bytes);
        }
    }
    return barcodes;
}

QList<QByteArray> payloadsOf(const QList<NumberedSlip> &list)
{
    QList<QByteArray> payloads;
    for (const NumberedSlip &slip : list)
        payloads.append(hub3aPayloadBytes(slip.record).value());
    return payloads;
}
