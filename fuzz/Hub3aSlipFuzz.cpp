#include "FuzzCheck.h"
#include "model/Hub3aPayload.h"
#include "model/SlipFile.h"

// Any bytes as a HUB-3A slip file: a record once read saves and reads back unchanged, and its
// barcode text, when it has one, is UTF-8 that decodes back to the same text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<Hub3aRecord> record = SlipFile::hub3aFromBytes(fuzzBytes(data, size));
    if (!record)
        return 0;
    const std::optional<Hub3aRecord> again = SlipFile::hub3aFromBytes(SlipFile::toBytes(*record));
    fuzzCheck(again.has_value() && again->texts == record->texts, "a saved record reads back unchanged");
    if (const std::optional<QByteArray> bytes = hub3aPayloadBytes(*record)) {
        const std::optional<QString> text = hub3aPayloadText(*record);
        fuzzCheck(text.has_value() && QString::fromUtf8(*bytes) == *text,
                  "the barcode bytes are the text in UTF-8");
    }
    return 0;
}
