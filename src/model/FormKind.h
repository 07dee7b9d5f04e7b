#pragma once

#include "model/SlipFields.h"

#include <optional>

// The form a tab of the main window shows: the two older forms and the HUB-3A slip.
enum class FormKind { Uplatnica, Zorvat, Hub3a };

// The slip record kind of an older form; nothing for the HUB-3A slip, which has a record of its own.
constexpr std::optional<SlipKind> olderSlipKind(FormKind kind)
{
    switch (kind) {
    case FormKind::Uplatnica:
        return SlipKind::Uplatnica;
    case FormKind::Zorvat:
        return SlipKind::Zorvat;
    case FormKind::Hub3a:
        break;
    }
    return std::nullopt;
}
