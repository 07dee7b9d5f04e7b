#include "FuzzCheck.h"
#include "model/Amount.h"
#include "model/Win1250.h"

#include <cmath>
#include <cstring>

// An amount as typed: any Windows-1250 text. Whatever it is, the amount box gets a text, and a
// value that parses is written back as a number that reads as the same amount.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = Win1250::decode(fuzzBytes(data, size));
    const QString shown = AmountText(text);
    fuzzCheck(!shown.isEmpty(), "the amount box is never empty");

    const std::optional<double> value = ParseAmount(text);
    fuzzCheck(!value || std::isfinite(*value), "a parsed amount is finite");
    fuzzCheck(value.has_value() == (shown != amountErrorMarker()), "the marker stands for a failed parse");

    // Any finite double, not only those that parse, is written as a number.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw)) {
            const QString formatted = FormatAmount(raw);
            fuzzCheck(!formatted.isEmpty(), "a finite value is formatted");
            // Below a million the text has at most one thousands dot and reads back as the value
            // rounded to cents; from 10^18 on the scientific form keeps 18 significant digits, which
            // for the very largest doubles rounds up past the double range (not a number then).
            const double magnitude = std::fabs(raw);
            const std::optional<double> back = ParseAmount(formatted);
            if (magnitude < 1e6)
                fuzzCheck(back && std::fabs(*back - raw) <= 0.005 + 1e-9, "a formatted amount reads back");
            else if (magnitude >= 1e18 && magnitude < 1.79769313486231e308)
                fuzzCheck(back && std::fabs(*back - raw) <= magnitude * 1e-15,
                          "a scientific amount reads back");
        }
    }
    return 0;
}
