#include "FuzzCheck.h"
#include "model/Hub3aPayload.h"
#include "model/Hub3aRules.h"
#include "scan/Hub3Payload.h"

// Any bytes as a HUB-3 barcode: a slip read from them keeps every field's rules, and the slip's own
// barcode text is the input again (CR LF line ends as LF, a last LF added where the input ended
// without it).
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const PayloadReading reading = readHub3Payload(bytes);
    fuzzCheck(reading.record.has_value() != !reading.problem.isEmpty(), "a slip or a reason, never both");
    if (!reading.record)
        return 0;
    fuzzCheck(hub3aFieldProblems(*reading.record).isEmpty(), "a slip read keeps the fields' rules");
    const std::optional<QByteArray> again = hub3aPayloadBytes(*reading.record);
    fuzzCheck(again.has_value(), "a slip read has an amount");
    QByteArray lines = bytes;
    lines.replace("\r\n", "\n");
    fuzzCheck(*again == (lines.endsWith('\n') ? lines : lines + '\n'), "the slip's barcode is the input");
    return 0;
}
