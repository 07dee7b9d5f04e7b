#include "scan/InvoiceScan.h"
#include "Bounds.h"
#include "FileBytes.h"
#include "Hub3aRecordOf.h"
#include "InvoiceDocuments.h"
#include "model/UserError.h"

#include <QBuffer>
#include <QPainter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <functional>
#include <future>

#include <sys/stat.h>

namespace {

using namespace Qt::StringLiterals;
using namespace InvoiceDocuments;

// The scanned picture of an invoice: 200 dpi grey, or less under the sanitizer, which reads slower.
constexpr int scanDpi = underAddressSanitizer ? 150 : 200;

Hub3aRecord epcSlip()
{
    return hub3aRecordOf({{Hub3aField::RecipientName, u"Plinara Čakovec d.o.o."_s},
                          {Hub3aField::RecipientIban, u"HR1210010051863000160"_s},
                          {Hub3aField::Amount, u"45,10"_s},
                          {Hub3aField::PurposeCode, u"GASB"_s},
                          {Hub3aField::RecipientModel, u"HR99"_s},
                          {Hub3aField::Description, u"RF18 5390 0754 7034"_s}});
}

const QByteArray epcPayload =
    "BCD\n002\n1\nSCT\n\nPlinara Čakovec d.o.o.\nHR1210010051863000160\nEUR45.10\nGASB\n"
    "RF18 5390 0754 7034\n";

TEST(InvoiceScan, ReadsEveryFieldFromEachKindOfDocument)
{
    const QByteArray payload = hub3Payload(fullSlip());
    const struct
    {
        const char *name;
        std::function<void(const QString &)> write;
        Hub3aRecord expected;
        int page;
    } cases[] = {
        // clang-format off
        {"vector.pdf", [&](const QString &path) { writeVectorPdf(path, {payload}); }, fullSlip(), 1},
        {"scanned.pdf",
         [&](const QString &path) { writeScannedPdf(path, invoicePage(payload, scanDpi), scanDpi); },
         fullSlip(), 1},
        {"second-page.pdf", [&](const QString &path) { writeVectorPdf(path, {QByteArray(), payload}); },
         fullSlip(), 2},
        {"grey-noise.png",
         [&](const QString &path) { writeImage(path, withNoise(invoicePage(payload, scanDpi), 40), "png"); },
         fullSlip(), 1},
        {"photo.jpg",
         [&](const QString &path) {
             writeImage(path, asPhoto(invoicePage(payload, scanDpi), 4), "jpeg", 80);
         },
         fullSlip(), 1},
        {"epc.tiff",
         [&](const QString &path) { writeImage(path, invoicePage(epcPayload, scanDpi, true), "tiff"); },
         epcSlip(), 1},
        // clang-format on
    };
    QTemporaryDir dir;
    for (const auto &c : cases) {
        const QString path = dir.filePath(QString::fromUtf8(c.name));
        c.write(path);
        const FileScan scan = scanInvoice(path);
        EXPECT_EQ(scan.slips.size(), 1) << c.name;
        if (scan.slips.size() != 1)
            continue;
        const ScannedSlip &slip = scan.slips.constFirst();
        EXPECT_EQ(slip.page, c.page) << c.name;
        EXPECT_EQ(slip.file, path);
        EXPECT_EQ(slip.record.texts, c.expected.texts) << c.name;
        EXPECT_EQ(slip.verdict, QString()) << c.name;
        // Only the page before the barcode's is reported, as one without a barcode.
        EXPECT_EQ(scan.misses.size(), c.page - 1) << c.name;
        EXPECT_FALSE(scan.unreadable);
    }
}

TEST(InvoiceScan, RefusesDamagedAndHostileFilesWithAMessage)
{
    QTemporaryDir dir;
    QByteArray pdf;
    {
        const QString path = dir.filePath(u"whole.pdf"_s);
        writeVectorPdf(path, {hub3Payload(fullSlip())});
        pdf = fileBytes(path);
    }
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        invoicePage(QByteArray(), 30).save(&buffer, "PNG");
    }
    // The header of a PNG of 20000 × 20000 grey pixels with nothing behind it.
    const auto chunk = [](const QByteArray &type, const QByteArray &data) {
        QByteArray bytes(4, '\0');
        qToBigEndian(quint32(data.size()), bytes.data());
        bytes += type + data;
        quint32 crc = 0xFFFFFFFF;
        for (const char byte : bytes.mid(4)) {
            crc ^= quint8(byte);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        }
        QByteArray tail(4, '\0');
        qToBigEndian(~crc, tail.data());
        return bytes + tail;
    };
    QByteArray size(8, '\0');
    qToBigEndian(quint32(20000), size.data());
    qToBigEndian(quint32(20000), size.data() + 4);
    const QByteArray hugePng = QByteArray("\x89PNG\r\n\x1a\n") +
                               chunk("IHDR", size + QByteArray("\x08\0\0\0\0", 5)) + chunk("IDAT", {}) +
                               chunk("IEND", {});
    const struct
    {
        const char *name;
        QByteArray bytes;
        const char *message;
    } cases[] = {
        {"truncated.pdf", pdf.left(pdf.size() / 3), "PDF datoteka je oštećena"},
        {"junk.pdf", "%PDF-1.4\n" + QByteArray(5000, 'x'), "PDF datoteka je oštećena"},
        {"truncated.png", png.left(png.size() / 2), "Slika se ne može pročitati"},
        {"text.png", "Dobar dan", "Datoteka nije PDF ni slika"},
        {"huge.png", hugePng, "Slika od 20000 × 20000 točaka veća je od dopuštenih 60 milijuna točaka"},
    };
    for (const auto &c : cases) {
        const QString path = dir.filePath(QString::fromUtf8(c.name));
        ASSERT_TRUE(writeFileBytes(path, c.bytes));
        const FileScan scan = scanInvoice(path);
        EXPECT_TRUE(scan.slips.isEmpty()) << c.name;
        ASSERT_FALSE(scan.misses.isEmpty()) << c.name;
        EXPECT_TRUE(scan.misses.constFirst().message.startsWith(QString::fromUtf8(c.message)))
            << c.name << ": " << scan.misses.constFirst().message.toStdString();
    }
    EXPECT_TRUE(scanInvoice(dir.filePath(u"missing.pdf"_s)).unreadable);
}

TEST(InvoiceScan, APageWithoutABarcodeIsReportedAndOtherBarcodesAreNoSlips)
{
    QTemporaryDir dir;
    const QString blank = dir.filePath(u"blank.png"_s);
    writeImage(blank, invoicePage(QByteArray(), 50), "png");
    const QString link = dir.filePath(u"link.png"_s);
    writeImage(link, qrImage("https://porezna.gov.hr/rn?jir=1", 6), "png");
    for (const QString &path : {blank, link}) {
        const FileScan scan = scanInvoice(path);
        EXPECT_TRUE(scan.slips.isEmpty());
        ASSERT_EQ(scan.misses.size(), 1);
        EXPECT_EQ(scan.misses[0].page, 1);
        EXPECT_EQ(scan.misses[0].message, u"Na stranici nema bar-koda za plaćanje"_s);
        EXPECT_FALSE(scan.unreadable);
    }
}

// The amounts of the slips a scan gave, in the order read.
QStringList amounts(const FileScan &scan)
{
    QStringList texts;
    for (const ScannedSlip &slip : scan.slips)
        texts.append(slip.record[Hub3aField::Amount]);
    return texts;
}

TEST(InvoiceScan, ReadsEveryBarcodeOnAPageAndWhatOtherEncodersAndScannersMake)
{
    Hub3aRecord second = fullSlip();
    second.set(Hub3aField::Amount, u"9,90"_s);
    const QByteArray payload = hub3Payload(fullSlip());
    QTemporaryDir dir;
    const QString twoSymbols = dir.filePath(u"two.pdf"_s);
    writeTwoSymbolPdf(twoSymbols, payload, hub3Payload(second), 0.6);
    // Another encoder's symbols on a scan: one at full size (0.254 mm a module), one at 60 %, whose
    // start pattern shows too few pixels a module to be seen at 180 dpi.
    const auto twoOnAScan = [&](int dpi, int noise, int quality) {
        const QString path = dir.filePath(u"two-scanned-%1-%2-%3.jpg"_s.arg(dpi).arg(noise).arg(quality));
        QImage page = invoicePage(QByteArray(), dpi).convertToFormat(QImage::Format_RGB32);
        QPainter painter(&page);
        // The other encoder's pictures have 2 pixels a module: 0.254 mm at 200 dpi.
        const double scale = dpi / 200.0;
        const QImage full = QImage(testDataPath("scan/crlf.png")).convertToFormat(QImage::Format_RGB32);
        const QImage small = QImage(testDataPath("scan/latin2-eci.png")).convertToFormat(QImage::Format_RGB32);
        painter.drawImage(dpi * 3 / 4, dpi * 19 / 2,
                          full.scaled(full.size() * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        painter.drawImage(dpi * 9 / 2, dpi * 19 / 2,
                          small.scaled(small.size() * scale * 0.6, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        painter.end();
        writeImage(path, withNoise(page, noise), "jpeg", quality);
        return path;
    };
    // A picture of a whole A4 page at 600 dpi in colour: more than Qt decodes by default.
    const QString bigPicture = dir.filePath(u"a4-600dpi.png"_s);
    {
        QImage page(4960, 7016, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter(&page).drawImage(600, 5600, pdf417Image(payload, 6));
        writeImage(bigPicture, page, "png");
    }
    const struct
    {
        QString path;
        QStringList amounts;
    } cases[] = {
        // a full-size symbol beside one at 60 %
        {twoSymbols, {u"1.234,56"_s, u"9,90"_s}},
        {bigPicture, {u"1.234,56"_s}},
        // Another encoder's symbols: a 150 dpi grainy scan that only one threshold for the page reads,
        // a payload in ISO 8859-2 named by its ECI, and one with CR LF line ends.
        {testDataPath("scan/grainy-150.jpg"), {u"123,45"_s}},
        {testDataPath("scan/latin2-eci.png"), {u"123,45"_s}},
        {testDataPath("scan/crlf.png"), {u"123,45"_s}},
        {twoOnAScan(200, 24, 85), {u"123,45"_s, u"123,45"_s}},
        {twoOnAScan(180, 24, 85), {u"123,45"_s, u"123,45"_s}},
    };
    for (const auto &c : cases) {
        const FileScan scan = scanInvoice(c.path);
        EXPECT_EQ(amounts(scan), c.amounts) << c.path.toStdString();
        for (const ScanMiss &miss : scan.misses)
            ADD_FAILURE() << c.path.toStdString() << ": " << miss.message.toStdString();
        if (!scan.slips.isEmpty()) {
            EXPECT_EQ(scan.slips[0].record[Hub3aField::PayerName], u"Ivana Čičak"_s) << c.path.toStdString();
        }
    }
}

// The file's deadline ends the reading between pages: what was read is given, and the scan says
// that not every page was looked at.
TEST(InvoiceScan, AFilePastItsDeadlineGivesWhatWasReadAndSaysItStopped)
{
    Hub3aRecord second = fullSlip();
    second.set(Hub3aField::Amount, u"9,90"_s);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"three.pdf"_s);
    writeVectorPdf(path, {hub3Payload(fullSlip()), QByteArray(), hub3Payload(second)});
    const QString stopped = u"Čitanje datoteke prekinuto nakon 60 s: nisu pregledane sve stranice"_s;
    const struct
    {
        int passesAfterPages;
        QStringList amounts;
        int pagesLooked;
        bool stopped;
    } cases[] = {
        {0, {}, 0, true},
        {1, {u"1.234,56"_s}, 1, true},
        {2, {u"1.234,56"_s}, 2, true},
        {4, {u"1.234,56"_s, u"9,90"_s}, 3, false},
    };
    for (const auto &c : cases) {
        int pagesLooked = 0;
        const FileScan scan =
            scanInvoice(path, nullptr, [&] { ++pagesLooked; }, [&] { return pagesLooked >= c.passesAfterPages; });
        EXPECT_EQ(amounts(scan), c.amounts) << c.passesAfterPages;
        EXPECT_EQ(pagesLooked, c.pagesLooked) << c.passesAfterPages;
        const bool said = std::any_of(scan.misses.begin(), scan.misses.end(),
                                      [&](const ScanMiss &miss) { return miss.page == 0 && miss.message == stopped; });
        EXPECT_EQ(said, c.stopped) << c.passesAfterPages;
    }
}

TEST(InvoiceScan, ASymbolThatCannotBeReadIsReported)
{
    // The middle of a symbol covered, as by a stamp: its start and stop columns are still seen.
    QImage damaged = pdf417Image(hub3Payload(fullSlip()), 3);
    QPainter(&damaged).fillRect(damaged.width() / 4, 0, damaged.width() / 2, damaged.height(), Qt::white);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"stamped.png"_s);
    writeImage(path, damaged, "png");
    const FileScan scan = scanInvoice(path);
    EXPECT_TRUE(scan.slips.isEmpty());
    ASSERT_EQ(scan.misses.size(), 1);
    EXPECT_EQ(scan.misses[0].message, u"Na stranici je bar-kod PDF417 koji se ne može pročitati"_s);
}

TEST(InvoiceScan, APipeAmongTheFilesIsRefusedWithoutWaitingForIt)
{
    QTemporaryDir dir;
    const QString slip = dir.filePath(u"ok.png"_s);
    writeImage(slip, pdf417Image(hub3Payload(fullSlip()), 3), "png");
    const QString fifo = dir.filePath(u"fifo.png"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    std::future<QList<FileScan>> reading = std::async(std::launch::async, [&] { return scanInvoices({slip, fifo}); });
    const bool answered = reading.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    if (!answered) {
        // Lets a reader that waits on the pipe go on, so that the test ends.
        QFile writer(fifo);
        writer.open(QIODevice::WriteOnly);
    }
    ASSERT_TRUE(answered);
    const QList<FileScan> scans = reading.get();
    ASSERT_EQ(scans.size(), 2);
    EXPECT_EQ(scans[0].slips.size(), 1);
    EXPECT_TRUE(scans[1].unreadable);
    ASSERT_EQ(scans[1].misses.size(), 1);
    EXPECT_EQ(scans[1].misses[0].message, u"Datoteka %1 ne može se otvoriti"_s.arg(fifo));
}

} // namespace
