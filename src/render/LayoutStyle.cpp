#include "render/LayoutStyle.h"

namespace {

constexpr FontUnits previewUnits{.caption = 4,
                                 .title = 5,
                                 .smallCaption = 3,
                                 .kn = 5,
                                 .postalDigit = 7,
                                 .text = 4,
                                 .amount = 5,
                                 .reference = 4};

constexpr FontUnits oneSmaller(FontUnits u)
{
    return {u.caption - 1,     u.title - 1, u.smallCaption - 1, u.kn - 1,
            u.postalDigit - 1, u.text - 1,  u.amount - 1,       u.reference - 1};
}

} // namespace

LayoutStyle LayoutStyle::preview()
{
    LayoutStyle style;
    style.fontUnits = previewUnits;
    return style;
}

LayoutStyle LayoutStyle::print(PrintMode mode)
{
    LayoutStyle style;
    style.drawForm = mode != PrintMode::DataOnly;
    style.drawData = mode != PrintMode::Template;
    style.opaqueCaptions = false;
    style.fontUnits = oneSmaller(previewUnits);
    style.uplatnicaDataColor = clBlack;
    style.zorvatDataColor = clBlue;
    return style;
}
