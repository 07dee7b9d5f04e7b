#include "scan/EInvoiceScan.h"

#include "einvoice/EInvoiceReader.h"
#include "einvoice/InvoicePayment.h"
#include "model/TextFile.h"
#include "model/UserError.h"
#include "scan/DocumentPages.h"
#include "scan/InvoiceScan.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

using namespace Qt::StringLiterals;

void addEInvoice(FileScan &scan, const QString &path, const EInvoice &invoice,
                 const QList<ScannedSlip> &pictureSlips)
{
    const InvoicePayment payment = invoicePayment(invoice, QDate::currentDate());
    if (!payment.record) {
        scan.misses.append({path, 0, payment.nothingToPay});
        return;
    }
    ScannedSlip slip{path, 0, *payment.record, payment.verdict};
    slip.source = ScanSource::EInvoice;
    slip.identity = payment.identity;
    slip.due = payment.due;
    slip.overdue = payment.overdue;
    slip.remarks = payment.remarks;
    QList<ScannedSlip> differing;
    for (const ScannedSlip &picture : pictureSlips) {
        const QStringList differences = pictureDifferences(slip.record, picture.record);
        if (differences.isEmpty())
            continue;
        const QString said =
            u"Bar-kod na slici računa (str. %1) razlikuje se od XML-a: %2"_s.arg(picture.page)
                .arg(differences.join(u"; "_s));
        slip.held = true;
        slip.verdict = slip.verdict.isEmpty() ? said : slip.verdict + u'\n' + said;
        ScannedSlip barcode = picture;
        barcode.file = path;
        barcode.held = true;
        barcode.verdict = barcode.verdict.isEmpty() ? said : barcode.verdict + u'\n' + said;
        differing.append(barcode);
    }
    scan.slips.append(slip);
    scan.slips += differing;
}

std::optional<EInvoice> embeddedEInvoice(const QList<EmbeddedDocument> &files)
{
    for (const EmbeddedDocument &file : files) {
        try {
            return EInvoiceReader::read(file.bytes);
        } catch (const UserError &) {
            // Another XML beside the invoice (a signature, a list of items): not the payment.
        }
    }
    return std::nullopt;
}

namespace {

// The barcodes of a picture carried inside the XML, read from a file of its own as every PDF is.
QList<ScannedSlip> pictureSlips(const QByteArray &pdf, const std::atomic_bool *cancel)
{
    QTemporaryFile file(QDir::tempPath() + u"/zorvat-racun-XXXXXX.pdf"_s);
    if (!file.open() || file.write(pdf) != pdf.size() || !file.flush())
        return {};
    file.close();
    return scanInvoice(file.fileName(), cancel).slips;
}

} // namespace

FileScan scanEInvoiceFile(const QString &path, const std::atomic_bool *cancel)
{
    FileScan scan;
    try {
        TextFile::checkReadable(path);
        if (QFileInfo(path).size() > EInvoiceReader::largestInvoice)
            throw UserError(
                u"Datoteka nije e-račun: veći je od %1 MB"_s.arg(EInvoiceReader::largestInvoice >> 20));
        const EInvoice invoice = EInvoiceReader::read(TextFile::readWhole(path));
        QList<ScannedSlip> pictures;
        for (const QByteArray &pdf : invoice.pictures)
            pictures += pictureSlips(pdf, cancel);
        addEInvoice(scan, path, invoice, pictures);
    } catch (const UserError &e) {
        scan.unreadable = true;
        scan.misses.append({path, 0, e.text()});
    }
    return scan;
}

bool isEInvoiceName(const QString &path)
{
    return QFileInfo(path).suffix().compare(u"xml"_s, Qt::CaseInsensitive) == 0;
}
