#include "FuzzCheck.h"
#include "model/Hub3aPayload.h"
#include "model/Hub3aRules.h"
#include "scan/EpcQrPayload.h"
#include "scan/Hub3Payload.h"

// Any bytes as an EPC QR code: a slip read from them keeps every field's rules, leaves the payer's
// fields empty, pays under HR99, and its own HUB-3 barcode reads back to the same slip.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const PayloadReading reading = readEpcQrPayload(fuzzBytes(data, size));
    fuzzCheck(reading.record.has_value() != !reading.problem.isEmpty(), "a slip or a reason, never both");
    if (!reading.record)
        return 0;
    const Hub3aRecord &record = *reading.record;
    fuzzCheck(hub3aFieldProblems(record).isEmpty(), "a slip read keeps the fields' rules");
    fuzzCheck(record[Hub3aField::PayerName].isEmpty() && record[Hub3aField::PayerIban].isEmpty(),
              "the payer's fields stay empty");
    fuzzCheck(record[Hub3aField::RecipientModel] == u"HR99", "the model is HR99");
    const std::optional<QByteArray> payload = hub3aPayloadBytes(record);
    fuzzCheck(payload.has_value(), "a slip read has an amount or none");
    // The HUB-3 barcode always carries an amount: none reads back as 0,00.
    Hub3aRecord expected = record;
    if (expected[Hub3aField::Amount].isEmpty())
        expected.set(Hub3aField::Amount, hub3aAmountText(0));
    const PayloadReading again = readHub3Payload(*payload);
    fuzzCheck(again.record && again.record->texts == expected.texts, "its HUB-3 barcode reads back the same");
    return 0;
}
