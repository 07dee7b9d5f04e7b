#include "scan/InvoiceScan.h"

#include "EInvoiceXml.h"
#include "FileBytes.h"
#include "InvoiceDocuments.h"
#include "QtPrinters.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace Qt::StringLiterals;
using namespace InvoiceDocuments;
using F = Hub3aField;

// The barcode on the picture of EInvoiceXml's invoice, with the amount given.
QByteArray pictureBarcode(const QString &amount)
{
    Hub3aRecord slip = fullSlip();
    slip.set(F::RecipientIban, u"HR1210010051863000160"_s);
    slip.set(F::RecipientModel, u"HR01"_s);
    slip.set(F::RecipientReference, u"102-3057-89016"_s);
    slip.set(F::Amount, amount);
    return hub3Payload(slip);
}

// A PDF picture of the invoice with its barcode, as the XML carries it.
QByteArray picturePdf(const QTemporaryDir &dir, const QByteArray &payload)
{
    const QString path = dir.filePath(u"slika.pdf"_s);
    writeVectorPdf(path, {payload});
    return fileBytes(path);
}

TEST(EInvoiceScan, ReadsXmlAndHybridPdfsAndChecksThemAgainstTheirPictures)
{
    QTemporaryDir dir;
    EInvoiceXml::Invoice croatian;
    croatian.pictures = {picturePdf(dir, pictureBarcode(u"250,33"_s))};
    EInvoiceXml::Invoice disagreeing;
    disagreeing.pictures = {picturePdf(dir, pictureBarcode(u"205,33"_s))};
    EInvoiceXml::Invoice creditNote;
    creditNote.creditNote = true;
    EInvoiceXml::Invoice dollars;
    dollars.currency = u"USD"_s;
    EInvoiceXml::Invoice directDebit;
    directDebit.means = {{u"59"_s, {}, {}, {}}};
    const struct
    {
        const char *name;
        std::function<void(const QString &)> write;
        int slips;        // the e-invoice's and, when they differ, its picture's
        bool held;        // the slips wait for the clerk's choice
        const char *said; // a part of the first slip's verdict, or of the miss when there is no slip
    } cases[] = {
        {"racun.xml", [&](const QString &p) { ASSERT_TRUE(writeFileBytes(p, EInvoiceXml::ubl(croatian))); },
         1, false, ""},
        {"razlika.xml",
         [&](const QString &p) { ASSERT_TRUE(writeFileBytes(p, EInvoiceXml::ubl(disagreeing))); }, 2, true,
         "Bar-kod na slici računa (str. 1) razlikuje se od XML-a: iznos: u XML-u 250,33, na bar-kodu 205,33"},
        {"hibrid.pdf",
         [&](const QString &p) {
             writeHybridPdf(p, pictureBarcode(u"250,33"_s), u"factur-x.xml"_s, EInvoiceXml::cii({}));
         },
         1, false, ""},
        {"hibrid-razlika.pdf",
         [&](const QString &p) {
             writeHybridPdf(p, pictureBarcode(u"1,00"_s), u"factur-x.xml"_s, EInvoiceXml::cii({}));
         },
         2, true, "iznos: u XML-u 250,33, na bar-kodu 1,00"},
        {"odobrenje.xml",
         [&](const QString &p) { ASSERT_TRUE(writeFileBytes(p, EInvoiceXml::ubl(creditNote))); }, 0, false,
         "Odobrenje (knjižno odobrenje) 2026-17: nema se što platiti"},
        {"dolari.xml", [&](const QString &p) { ASSERT_TRUE(writeFileBytes(p, EInvoiceXml::cii(dollars))); },
         0, false, "valuti USD"},
        {"terecenje.xml",
         [&](const QString &p) { ASSERT_TRUE(writeFileBytes(p, EInvoiceXml::ubl(directDebit))); }, 0, false,
         "izravnim terećenjem"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromUtf8(c.name));
        c.write(path);
        const FileScan scan = scanInvoice(path);
        EXPECT_FALSE(scan.unreadable);
        ASSERT_EQ(scan.slips.size(), c.slips);
        const QString said = QString::fromUtf8(c.said);
        if (c.slips == 0) {
            ASSERT_EQ(scan.misses.size(), 1);
            EXPECT_TRUE(scan.misses[0].message.contains(said)) << scan.misses[0].message.toStdString();
            continue;
        }
        const ScannedSlip &invoice = scan.slips[0];
        EXPECT_EQ(invoice.source, ScanSource::EInvoice);
        EXPECT_EQ(invoice.file, path);
        EXPECT_EQ(invoice.identity, u"HR12345678903|2026-17"_s);
        EXPECT_EQ(invoice.record[F::Amount], u"250,33"_s);
        EXPECT_EQ(invoice.held, c.held);
        if (said.isEmpty())
            EXPECT_EQ(invoice.verdict, QString());
        else
            EXPECT_TRUE(invoice.verdict.contains(said)) << invoice.verdict.toStdString();
        if (c.slips == 2) {
            EXPECT_EQ(scan.slips[1].source, ScanSource::Barcode);
            EXPECT_TRUE(scan.slips[1].held);
            EXPECT_TRUE(scan.slips[1].verdict.contains(said)) << scan.slips[1].verdict.toStdString();
        }
        EXPECT_TRUE(scan.misses.isEmpty()) << scan.misses.value(0).message.toStdString();
    }
}

TEST(EInvoiceScan, AnXmlFileThatIsNoInvoiceIsUnreadable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"popis.xml"_s);
    ASSERT_TRUE(writeFileBytes(path, "<?xml version='1.0'?><popis/>"));
    const FileScan scan = scanInvoice(path);
    EXPECT_TRUE(scan.unreadable);
    ASSERT_EQ(scan.misses.size(), 1);
    EXPECT_EQ(scan.misses[0].message, u"Datoteka nije e-račun: korijen je popis ()"_s);
}

} // namespace
