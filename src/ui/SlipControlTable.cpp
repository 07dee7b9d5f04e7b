#include "ui/SlipControlTable.h"

#include <array>
#include <stdexcept>
#include <string>

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

QLatin1StringView controlOf(SlipKind kind, QLatin1StringView field)
{
    const int index = slipFieldIndex(kind, field);
    if (index < 0)
        throw std::logic_error("no slip field " +
                               std::string(field.data(), static_cast<size_t>(field.size())));
    return controlOf(kind, index);
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
