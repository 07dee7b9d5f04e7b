#include "EInvoiceXml.h"
#include "FileBytes.h"
#include "InvoiceDocuments.h"
#include "ToolRun.h"
#include "model/SlipFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using namespace InvoiceDocuments;

TEST(ScanTool, WritesARowPerBarcodeThatTheBatchModeTakesUnchanged)
{
    QTemporaryDir dir;
    const QString invoice = dir.filePath(u"invoice.pdf"_s);
    const QString blank = dir.filePath(u"blank.png"_s);
    Hub3aRecord second = fullSlip();
    second.set(Hub3aField::Amount, u"7,00"_s);
    writeVectorPdf(invoice, {hub3Payload(fullSlip()), hub3Payload(second)});
    writeImage(blank, invoicePage(QByteArray(), 40), "png");
    const QString rows = dir.filePath(u"rows.csv"_s);

    const ToolRun scan = render({u"--scan"_s, invoice, blank, u"-o"_s, rows});
    EXPECT_EQ(scan.status, 1);
    EXPECT_EQ(
        reportLines(scan.errors),
        QStringList{
            uR"({"file":"%1","page":1,"message":"Na stranici nema bar-koda za plaćanje"})"_s.arg(blank)});
    const ToolRun batch = render({u"--batch"_s, rows, u"-o"_s, dir.filePath(u"slips.pdf"_s)});
    EXPECT_EQ(batch.status, 0) << batch.errors.toStdString();

    const QString slip = dir.filePath(u"slip.txt"_s);
    EXPECT_EQ(render({u"--scan"_s, invoice, u"-o"_s, slip}).status, 2); // two barcodes: no slip file
    EXPECT_FALSE(QFile::exists(slip));
    const QString single = dir.filePath(u"single.pdf"_s);
    writeVectorPdf(single, {hub3Payload(fullSlip())});
    const ToolRun one = render({u"--scan"_s, single, u"-o"_s, slip});
    EXPECT_EQ(one.status, 0) << one.errors.toStdString();
    const std::optional<Hub3aRecord> saved = SlipFile::loadHub3a(slip);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->texts, fullSlip().texts);
}

TEST(ScanTool, EachSlipThatFailsTheCheckOrWasFittedIsReportedByFileAndPage)
{
    QTemporaryDir dir;
    Hub3aRecord wrongIban = fullSlip();
    wrongIban.set(Hub3aField::RecipientIban, u"HR1210010051863000161"_s);
    const QString invoice = dir.filePath(u"wrong.pdf"_s);
    writeVectorPdf(invoice, {hub3Payload(fullSlip()), hub3Payload(wrongIban)});
    const QString epc = dir.filePath(u"epc.png"_s);
    writeImage(epc,
               invoicePage("BCD\n002\n1\nSCT\n\nA & B d.o.o.\nHR1210010051863000160\nEUR10.00\n\n\nRacun 1",
                           200, true),
               "png");
    const ToolRun scan = render({u"--scan"_s, invoice, epc, u"-o"_s, dir.filePath(u"rows.csv"_s)});
    EXPECT_EQ(scan.status, 1);
    const QStringList lines = reportLines(scan.errors);
    ASSERT_EQ(lines.size(), 2) << scan.errors.toStdString();
    EXPECT_TRUE(lines[0].startsWith(uR"({"file":"%1","page":2,"message":"IBAN primatelja: )"_s.arg(invoice)))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(uR"({"file":"%1","page":1,"message":)"_s.arg(epc)))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains(u"A & B d.o.o."_s)) << lines[1].toStdString();
}

TEST(ScanTool, BadInputExitsTwo)
{
    QTemporaryDir dir;
    const QString damaged = dir.filePath(u"damaged.pdf"_s);
    ASSERT_TRUE(writeFileBytes(damaged, "%PDF-1.7\nnothing\n"));
    const QString rows = dir.filePath(u"rows.csv"_s);
    const struct
    {
        QStringList arguments;
        const char *error;
    } cases[] = {
        {{u"--scan"_s, damaged, u"-o"_s, rows}, R"("page":0,"message":"PDF datoteka je oštećena)"},
        {{u"--scan"_s, u"-o"_s, rows}, "--scan needs at least one"},
        {{u"--scan"_s, damaged}, "missing -o"},
        {{u"--scan"_s, damaged, u"--per-page"_s, u"1"_s, u"-o"_s, rows}, "--per-page does not go with --scan"},
    };
    for (const auto &c : cases) {
        const ToolRun run = render(c.arguments);
        EXPECT_EQ(run.status, 2) << c.error;
        EXPECT_TRUE(run.errors.contains(QString::fromUtf8(c.error))) << run.errors.toStdString();
        EXPECT_FALSE(QFile::exists(rows));
    }
}


TEST(ScanTool, WritesARowPerEInvoiceToPayAndNamesWhyTheOthersHaveNothingToPay)
{
    QTemporaryDir dir;
    EInvoiceXml::Invoice payable;
    payable.means.prepend({u"58"_s, u"NL57RABO0107307510"_s, {}, {}});
    EInvoiceXml::Invoice creditNote;
    creditNote.creditNote = true;
    EInvoiceXml::Invoice dollars;
    dollars.currency = u"USD"_s;
    const QString invoice = dir.filePath(u"racun.xml"_s), credit = dir.filePath(u"odobrenje.xml"_s),
                  foreign = dir.filePath(u"dolari.xml"_s);
    ASSERT_TRUE(writeFileBytes(invoice, EInvoiceXml::ubl(payable)));
    ASSERT_TRUE(writeFileBytes(credit, EInvoiceXml::ubl(creditNote)));
    ASSERT_TRUE(writeFileBytes(foreign, EInvoiceXml::cii(dollars)));
    const QString rows = dir.filePath(u"rows.csv"_s);

    const ToolRun scan = render({u"--scan"_s, invoice, credit, foreign, u"-o"_s, rows});
    EXPECT_EQ(scan.status, 1);
    EXPECT_EQ(reportLines(scan.errors),
              (QStringList{
                  uR"({"file":"%1","page":0,"note":"Račun navodi i druge račune primatelja: NL57RABO0107307510"})"_s
                      .arg(invoice),
                  uR"({"file":"%1","page":0,"message":"Odobrenje (knjižno odobrenje) 2026-17: nema se što platiti"})"_s
                      .arg(credit),
                  uR"({"file":"%1","page":0,"message":"Račun je u valuti USD: plaćaju se samo računi u eurima"})"_s
                      .arg(foreign)}));
    const QStringList written = QString::fromUtf8(fileBytes(rows)).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(written.size(), 2) << "the header and the one invoice to pay";
    EXPECT_TRUE(written[1].contains(u"HR1210010051863000160"_s)) << written[1].toStdString();
}

} // namespace
