#pragma once

// A print frame as literal numbers, and the shared rule positions the layouts derive from it,
// computed here independently of the render library.
struct FrameNumbers
{
    int originX = 0, originY = 0, width = 2125, height = 1250;

    int X(int n) const { return width * n / 170; }
    int Y(int n) const { return height * n / 100; }
    int L() const { return originX + X(4); }
    int R() const { return originX + width - X(6); }
    int M() const { return originX + X(87); }
    int T() const { return originY + Y(8); }
    int uplatnicaRuleEnd() const { return originY + height - Y(9); }
    int zorvatRuleTop() const { return T() + Y(7); }
    int zorvatRuleEnd() const { return originY + height - Y(18); }
};
