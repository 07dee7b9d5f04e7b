#include "FuzzCheck.h"
#include "model/Win1250.h"

// Windows-1250 both ways: bytes decode to one character each, and a text that the encoding can hold
// encodes to one byte a character and decodes back to itself.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QString decoded = Win1250::decode(bytes);
    fuzzCheck(decoded.size() == bytes.size(), "one character per byte");
    const QByteArray encoded = Win1250::encode(decoded);
    fuzzCheck(encoded.size() == bytes.size(), "one byte per character");

    const QString text = fuzzUtf16(data, size);
    const bool holdable = Win1250::canEncode(text);
    bool eachHoldable = true;
    for (const QChar ch : text)
        eachHoldable = eachHoldable && Win1250::canEncode(ch);
    fuzzCheck(holdable == eachHoldable, "a text can be held when each of its characters can");
    if (holdable) {
        const QByteArray textBytes = Win1250::encode(text);
        fuzzCheck(textBytes.size() == text.size(), "a holdable text encodes one byte a character");
        fuzzCheck(Win1250::decode(textBytes) == text, "a holdable text decodes back to itself");
    }
    return 0;
}
