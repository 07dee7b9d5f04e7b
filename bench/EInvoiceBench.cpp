// A folder of 1,000 UBL e-invoices of about 20 KB each to one pain.001.001.09 bank file: each
// invoice read (EInvoiceReader), its payment made an order and checked (invoicePayment), and the
// orders written through the atomic save. Target: under 2 s.
#include "EInvoiceXml.h"
#include "bankfile/Pain001.h"
#include "einvoice/EInvoiceReader.h"
#include "einvoice/InvoicePayment.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace Qt::StringLiterals;

// An invoice with enough lines to weigh about 20 KB, as a small supplier's invoice does.
QByteArray invoice(int number)
{
    EInvoiceXml::Invoice written;
    written.number = u"2026-%1"_s.arg(number);
    written.amount = u"%1.%2"_s.arg(100 + number).arg(number % 100, 2, 10, QChar(u'0'));
    written.sellerVat = u"HR%1"_s.arg(10000000000LL + number);
    QByteArray bytes = EInvoiceXml::ubl(written);
    QByteArray lines;
    for (int line = 1; lines.size() < 19'000; ++line)
        lines += "<cac:InvoiceLine><cbc:ID>" + QByteArray::number(line) +
                 "</cbc:ID><cbc:InvoicedQuantity unitCode=\"H87\">3</cbc:InvoicedQuantity>"
                 "<cbc:LineExtensionAmount currencyID=\"EUR\">30.00</cbc:LineExtensionAmount><cac:Item>"
                 "<cbc:Name>Uredski materijal, stavka " +
                 QByteArray::number(line) +
                 "</cbc:Name><cac:ClassifiedTaxCategory><cbc:ID>S</cbc:ID><cbc:Percent>25</cbc:Percent>"
                 "</cac:ClassifiedTaxCategory></cac:Item><cac:Price><cbc:PriceAmount currencyID=\"EUR\">10.00"
                 "</cbc:PriceAmount></cac:Price></cac:InvoiceLine>";
    bytes.insert(bytes.lastIndexOf("</Invoice>"), lines);
    return bytes;
}

void BM_EInvoicesToBankFile(benchmark::State &state)
{
    QList<QByteArray> invoices;
    qint64 bytes = 0;
    for (int i = 1; i <= state.range(0); ++i) {
        invoices.append(invoice(i));
        bytes += invoices.last().size();
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(u"UN.20261210.0001.xml"_s);
    Pain001::Options options;
    options.messageId = u"UN202612100001"_s;
    options.created = QDateTime(QDate(2026, 12, 10), QTime(10, 0));
    options.today = QDate(2026, 12, 10);
    for (auto _ : state) {
        QList<NumberedSlip> slips;
        for (const QByteArray &xml : invoices) {
            const InvoicePayment payment = invoicePayment(EInvoiceReader::read(xml), options.today);
            Hub3aRecord order = *payment.record;
            order.set(Hub3aField::PayerName, u"Zorvat d.o.o."_s);
            order.set(Hub3aField::PayerIban, u"HR7023400091510946338"_s);
            slips.append({int(slips.size()) + 1, order});
        }
        const Pain001::Result result = Pain001::save(path, slips, options);
        if (result.written != state.range(0))
            state.SkipWithError("an order was refused");
    }
    state.counters["invoice_kb"] = double(bytes) / 1024.0 / double(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_EInvoicesToBankFile)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
