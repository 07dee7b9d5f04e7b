#pragma once

#include "render/CanvasState.h"

enum class PrintMode { Complete = 0, Template = 1, DataOnly = 2 };

// Font heights of a layout in hundredths of the form height, each taken as Y(n) of the frame.
struct FontUnits
{
    int caption;      // boxed captions and "broj računa" (the payment slip's title too)
    int title;        // the transfer order's title
    int smallCaption; // the small captions under and beside the boxes
    int kn;
    int postalDigit;
    int text;      // names, purpose, place, date, execution method and code
    int amount;    // amount and accounts
    int reference; // reference model and number
};

// The preview or print variant of the two layouts.
struct LayoutStyle
{
    bool drawForm = true; // background, rules and captions
    bool drawData = true;
    // Payment slip captions painted white over what lies below them (preview) or transparent
    // (print). The transfer order's boxed captions are always painted white.
    bool opaqueCaptions = true;
    FontUnits fontUnits{};
    Color uplatnicaDataColor = clBlue;
    Color zorvatDataColor = clBlue;

    static LayoutStyle preview();
    // Print fonts are one hundredth of the form height smaller; the payment slip's data prints
    // black. Template draws no data at all, DataOnly nothing but the data.
    static LayoutStyle print(PrintMode mode);
};
