#include "FuzzCheck.h"
#include "bankfile/Pain002.h"
#include "model/Hub3aRules.h"
#include "model/UserError.h"

// Any bytes as the bank's pain.002 answer: read or refused with a UserError, never a crash or a
// hang; what is read stays within its bounds, and every refused order turns back into a slip whose
// fields keep the slip's rules.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Pain002::Report report;
    try {
        report = Pain002::read(fuzzBytes(data, size));
    } catch (const UserError &error) {
        fuzzCheck(!error.text().isEmpty(), "a refusal says why");
        return 0;
    }
    fuzzCheck(report.refused.size() <= Pain002::mostRefused, "refused orders are bounded");
    for (const Pain002::RefusedOrder &refused : report.refused) {
        fuzzCheck(!refused.message.isEmpty(), "a refused order says why");
        fuzzCheck(hub3aFieldProblems(refused.slip).isEmpty(), "a refused order's slip keeps the slip's rules");
    }
    return 0;
}
