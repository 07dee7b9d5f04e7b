#include "model/FormField.h"

#include <stdexcept>
#include <string>

FormField formFieldNamed(FormKind form, QLatin1StringView name)
{
    if (const std::optional<SlipKind> kind = olderSlipKind(form)) {
        const int index = slipFieldIndex(*kind, name);
        if (index >= 0)
            return {form, index};
    } else {
        for (const Hub3aFieldSpec &fieldEntry : hub3aFields()) {
            if (fieldEntry.name() == name)
                return hub3aFormField(fieldEntry.field);
        }
    }
    throw std::logic_error("no form field " + std::string(name.data(), static_cast<size_t>(name.size())));
}
