#include "FuzzCheck.h"
#include "model/SlipFile.h"

#include <QBuffer>

namespace {

bool sameRecord(const std::optional<SlipRecord> &a, const std::optional<SlipRecord> &b)
{
    if (!a || !b)
        return a.has_value() == b.has_value();
    return a->kind == b->kind && a->texts == b->texts;
}

} // namespace

// Any bytes as a slip file: reading from a device gives what reading the bytes gives, and a record
// once read is saved and read back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const std::optional<SlipRecord> record = SlipFile::fromBytes(bytes);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    fuzzCheck(sameRecord(SlipFile::fromDevice(buffer), record), "a device reads as its bytes");

    if (record) {
        // Bytes that Windows-1250 leaves undefined come back as replacement characters, which save as
        // "?"; from the second round on nothing changes.
        const std::optional<SlipRecord> second = SlipFile::fromBytes(SlipFile::toBytes(*record));
        fuzzCheck(second.has_value() && second->kind == record->kind, "a saved record keeps its kind");
        const std::optional<SlipRecord> third = SlipFile::fromBytes(SlipFile::toBytes(*second));
        fuzzCheck(sameRecord(second, third), "a saved record reads back unchanged");
    }
    return 0;
}
