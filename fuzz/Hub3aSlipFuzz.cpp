#include "FuzzCheck.h"
#include "model/Hub3aPayload.h"
#include "model/Hub3aRules.h"
#include "model/SlipFile.h"

// Any bytes as a HUB-3A slip file: a record once read saves and reads back unchanged, and its
// barcode text, when it has one, is UTF-8 that decodes back to the same text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<Hub3aRecord> record = SlipFile::hub3aFromBytes(fuzzBytes(data, size));
    if (!record)
        return 0;
    // Fields hold their lines as they are, so bytes that Windows-1250 leaves undefined come back as
    // replacement characters, which save as "?"; from the second round on nothing changes.
    const std::optional<Hub3aRecord> second = SlipFile::hub3aFromBytes(SlipFile::toBytes(*record));
    fuzzCheck(second.has_value(), "a saved record keeps its kind");
    const std::optional<Hub3aRecord> again = SlipFile::hub3aFromBytes(SlipFile::toBytes(*second));
    fuzzCheck(again.has_value() && again->texts == second->texts, "a saved record reads back unchanged");
    // The rules judge any text without failing, and a record that keeps them is one the window
    // would save as it is.
    if (hub3aFieldProblems(*record).isEmpty())
        fuzzCheck(second->texts == record->texts, "a record that keeps the rules saves unchanged");
    if (const std::optional<QByteArray> bytes = hub3aPayloadBytes(*record)) {
        const std::optional<QString> text = hub3aPayloadText(*record);
        fuzzCheck(text.has_value() && QString::fromUtf8(*bytes) == *text,
                  "the barcode bytes are the text in UTF-8");
    }
    return 0;
}
