#include "ui/SlipControlTable.h"

#include "ui/Hub3aControlTable.h"

#include <array>

namespace {

using ControlNames = std::array<const char *, slipFieldCount>;

// In the fields' canonical order (SlipFields.cpp).
constexpr ControlNames uplatnicaControls = {"MaskEdit1", "Memo1",     "Memo2",     "Memo3",     "Edit2",
                                            "Edit1",     "MaskEdit2", "MaskEdit3", "MaskEdit4", "MaskEdit5",
                                            "Edit3",     "MaskEdit7", "MaskEdit6", "MaskEdit8"};
constexpr ControlNames zorvatControls = {"Nalogodavac", "SvrhaZorvata", "Primatelj",   "Racun1", "pb11",
                                         "pb12",        "Nacin",        "IznosZorvat", "Racun2", "pb21",
                                         "pb22",        "sif1",         "sif2",        "sif3"};

const ControlNames &controlsOf(SlipKind kind)
{
    return kind == SlipKind::Uplatnica ? uplatnicaControls : zorvatControls;
}

} // namespace

QLatin1StringView controlOf(SlipKind kind, int fieldIndex)
{
    return QLatin1StringView(controlsOf(kind).at(static_cast<size_t>(fieldIndex)));
}

QLatin1StringView controlOf(FormField field)
{
    if (const std::optional<SlipKind> kind = olderSlipKind(field.form))
        return controlOf(*kind, field.index);
    return hub3aControlOf(static_cast<Hub3aField>(field.index));
}

int fieldIndexOfControl(SlipKind kind, QLatin1StringView control)
{
    const ControlNames &controls = controlsOf(kind);
    for (int i = 0; i < slipFieldCount; ++i) {
        if (QLatin1StringView(controls[static_cast<size_t>(i)]) == control)
            return i;
    }
    return -1;
}
