#include "ui/Hub3aControlTable.h"

#include <array>
#include <stdexcept>
#include <string>

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

QLatin1StringView hub3aControlOf(QLatin1StringView fieldName)
{
    for (const Hub3aFieldSpec &fieldEntry : hub3aFields()) {
        if (fieldEntry.name() == fieldName)
            return hub3aControlOf(fieldEntry.field);
    }
    throw std::logic_error("no HUB-3A field " +
                           std::string(fieldName.data(), static_cast<size_t>(fieldName.size())));
}

std::optional<Hub3aField> hub3aFieldOfControl(QLatin1StringView control)
{
    for (size_t i = 0; i < controls.size(); ++i) {
        if (QLatin1StringView(controls[i]) == control)
            return static_cast<Hub3aField>(i);
    }
    return std::nullopt;
}
