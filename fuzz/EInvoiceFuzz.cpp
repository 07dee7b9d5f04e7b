#include "FuzzCheck.h"
#include "einvoice/EInvoiceReader.h"
#include "einvoice/InvoicePayment.h"
#include "model/UserError.h"
#include "payments/Hub3aChecks.h"

// Any bytes as an e-invoice: read or refused with a UserError, never a crash or a hang; what is read
// stays within its bounds, and its payment is a slip or a reason, a slip without a verdict one that
// pays.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EInvoice invoice;
    try {
        invoice = EInvoiceReader::read(fuzzBytes(data, size));
    } catch (const UserError &error) {
        fuzzCheck(!error.text().isEmpty(), "a refusal says why");
        return 0;
    }
    fuzzCheck(invoice.means.size() <= EInvoiceReader::mostMeans, "payment means are bounded");
    fuzzCheck(invoice.pictures.size() <= EInvoiceReader::mostPictures, "pictures are bounded");
    for (const QString &text : {invoice.number, invoice.sellerName, invoice.amountDue, invoice.payeeName})
        fuzzCheck(text.size() <= EInvoiceReader::longestText, "texts are bounded");
    const InvoicePayment payment = invoicePayment(invoice, QDate(2026, 12, 10));
    fuzzCheck(payment.record.has_value() != !payment.nothingToPay.isEmpty(), "a slip or a reason, not both");
    if (payment.record && payment.verdict.isEmpty())
        fuzzCheck(hub3aSlipCanPay(*payment.record, Hub3aUse::BankOrder), "a slip without a verdict pays");
    return 0;
}
