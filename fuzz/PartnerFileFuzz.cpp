#include "FuzzCheck.h"
#include "partners/PartnerEntry.h"
#include "partners/PartnerFile.h"

// Any bytes as a partner file: every entry splits into parts that join back into it, and the list
// once read is saved and read back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList entries = PartnerFile::fromBytes(fuzzBytes(data, size));
    for (const QString &entry : entries) {
        const PartnerParts parts = SplitPartner(entry);
        fuzzCheck(!parts.name.contains(partnerSeparator) && !parts.account.contains(partnerSeparator),
                  "name and account hold no separator");
        const qsizetype separators = entry.count(partnerSeparator);
        if (separators >= 2)
            fuzzCheck(joinPartner(parts.name, parts.account, parts.reference) == entry,
                      "an entry with two separators joins back from its parts");
        else if (separators == 1)
            fuzzCheck(parts.name + partnerSeparator + parts.reference == entry && parts.account.isEmpty(),
                      "an entry with one separator is a name and a reference");
        else
            fuzzCheck(parts.name == entry && parts.account.isEmpty() && parts.reference.isEmpty(),
                      "an entry without a separator is a name");
    }
    // Bytes that Windows-1250 leaves undefined save as "?"; from the second round on nothing changes.
    const QStringList second = PartnerFile::fromBytes(PartnerFile::toBytes(entries));
    fuzzCheck(second.size() == entries.size(), "saving keeps the number of entries");
    fuzzCheck(PartnerFile::fromBytes(PartnerFile::toBytes(second)) == second,
              "a saved list reads back unchanged");
    return 0;
}
