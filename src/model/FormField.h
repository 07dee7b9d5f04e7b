#pragma once

#include "model/FormKind.h"
#include "model/Hub3aFields.h"

#include <QLatin1StringView>

// One field of one form, by its place in the form's canonical order: slipFields(kind) for the older
// forms, Hub3aField for the HUB-3A slip.
struct FormField
{
    FormKind form;
    int index;

    friend bool operator==(const FormField &, const FormField &) = default;
};

constexpr FormField hub3aFormField(Hub3aField field)
{
    return {FormKind::Hub3a, static_cast<int>(field)};
}

constexpr FormKind formKindOf(SlipKind kind)
{
    return kind == SlipKind::Uplatnica ? FormKind::Uplatnica : FormKind::Zorvat;
}

// The form's field of that name ("payer", "payerIban", ...); a name the form lacks is a logic_error.
FormField formFieldNamed(FormKind form, QLatin1StringView name);
