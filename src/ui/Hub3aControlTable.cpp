#include "ui/Hub3aControlTable.h"

#include <array>

namespace {

// In the order of Hub3aField.
constexpr std::array<const char *, hub3aFieldCount> controls = {
    "Hub3aPayerName",       "Hub3aPayerStreet",    "Hub3aPayerPlace",     "Hub3aRecipientName",
    "Hub3aRecipientStreet", "Hub3aRecipientPlace", "Hub3aPayerIban",      "Hub3aPayerModel",
    "Hub3aPayerReference",  "Hub3aRecipientIban",  "Hub3aRecipientModel", "Hub3aRecipientReference",
    "Hub3aPurpose",         "Hub3aDescription",    "Hub3aAmount",         "Hub3aExecutionDate",
    "Hub3aUrgent",
};

} // namespace

QLatin1StringView hub3aControlOf(Hub3aField field)
{
    return QLatin1StringView(controls.at(static_cast<size_t>(field)));
}
