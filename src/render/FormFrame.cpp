#include "render/FormFrame.h"

#include "model/UserError.h"

#include <cmath>
#include <limits>

namespace {

constexpr long double intMin = std::numeric_limits<int>::min();
constexpr long double intMax = std::numeric_limits<int>::max();

int scaled(int length, int n, int units)
{
    // The product is taken in 64 bits so no frame a calibration can give overflows it.
    return static_cast<int>(static_cast<long long>(length) * n / units);
}

// RoundEven for values that must fit a frame field; anything else is a calibration no page has.
int roundToFrame(long double value)
{
    if (!(value >= intMin && value <= intMax))
        throw UserError(QStringLiteral("Neispravna kalibracija ili pomak ispisa"));
    return FormFrame::RoundEven(value);
}

} // namespace

FormFrame FormFrame::preview(int clientWidth, int clientHeight)
{
    return FormFrame{clientWidth, clientHeight, 0, 0};
}

FormFrame FormFrame::print(int rectWidth, int rectHeight, bool perforation, int dX, int dY)
{
    if (rectWidth <= 0 || rectHeight <= 0)
        throw UserError(QStringLiteral("Neispravna kalibracija pisača"));
    // Device pixels per millimetre, in double precision as the calibration defines them.
    const double hscale = 100.0 / rectWidth;
    const double vscale = 100.0 / rectHeight;
    FormFrame frame;
    frame.width = roundToFrame(170.0L * hscale);
    frame.height = roundToFrame(100.0L * vscale);
    const long long shift = perforation ? roundToFrame(11.0L * hscale) : 0;
    frame.originX = roundToFrame(static_cast<long double>(shift + dX));
    frame.originY = roundToFrame(static_cast<long double>(dY) * vscale);
    // The layouts place things up to a frame's size beyond its edges (captions, the perforation
    // marks); every such coordinate must stay an int, or the page would get wrapped positions.
    for (const long long edge : {static_cast<long long>(frame.originX) - frame.width,
                                 static_cast<long long>(frame.originX) + 2LL * frame.width,
                                 static_cast<long long>(frame.originY) - frame.height,
                                 static_cast<long long>(frame.originY) + 2LL * frame.height})
        roundToFrame(static_cast<long double>(edge));
    return frame;
}

int FormFrame::X(int n) const
{
    return scaled(width, n, 170);
}

int FormFrame::Y(int n) const
{
    return scaled(height, n, 100);
}

int FormFrame::RoundEven(long double value)
{
    const long double below = std::floor(value);
    const long double fraction = value - below;
    long double rounded = below;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(below, 2.0L) != 0.0L))
        rounded = below + 1.0L;
    // Values beyond the integer range (none a layout computes) saturate instead of overflowing.
    if (!(rounded >= intMin))
        return std::numeric_limits<int>::min();
    if (!(rounded <= intMax))
        return std::numeric_limits<int>::max();
    return static_cast<int>(rounded);
}
