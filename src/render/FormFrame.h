#pragma once

// The device rectangle that stands for the 170 by 100 unit form, and the integer arithmetic by
// which the layouts place everything in it. Every position is a sum of separately truncated terms.
struct FormFrame
{
    int width = 0;   // W: pixels for 170 units
    int height = 0;  // H: pixels for 100 units
    int originX = 0; // X0: surface x of the form's left edge
    int originY = 0; // Y0: surface y of the form's top edge

    // The preview box's whole client area, origin (0, 0); the form is stretched to the box.
    static FormFrame preview(int clientWidth, int clientHeight);
    // The printed page: one unit is one calibrated millimetre; the perforation shifts the form
    // 11 mm right, dX is in device pixels, dY in millimetres. Throws UserError for a calibration
    // square of 0 mm or less, or a frame beyond the 32-bit range.
    static FormFrame print(int rectWidth, int rectHeight, bool perforation, int dX, int dY);

    // Lengths of n units, truncated toward zero: X(-n) == -X(n).
    int X(int n) const;
    int Y(int n) const;

    int L() const { return originX + X(4); }         // left edge of the ruled area
    int R() const { return originX + width - X(6); } // right edge of the ruled area
    int M() const { return originX + X(87); }        // the vertical rule between the columns
    int T() const { return originY + Y(8); }         // the payment slip's top rule
    int boxHeight() const { return Y(6); }           // height of every data box
    int cellWidth() const { return X(8); }           // width of one code cell

    static int half(int a) { return a / 2; }
    // Nearest integer, a tie going to the even one; evaluated in extended precision.
    static int RoundEven(long double value);
};
