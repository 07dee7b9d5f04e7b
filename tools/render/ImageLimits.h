#pragma once

#include "model/UserError.h"

#include <QString>

// The largest picture the tool draws, of any form: within a few hundred megabytes of memory and
// sides that image viewers open.
namespace ImageLimits {

inline constexpr qint64 maxPixels = 64'000'000;
inline constexpr int maxSide = 32'000;

// Throws UserError for a picture of width × height pixels that is larger than the limits.
inline void requireDrawable(int width, int height)
{
    if (width > maxSide || height > maxSide || qint64(width) * height > maxPixels)
        throw UserError(QStringLiteral("a %1x%2 image is too large").arg(width).arg(height));
}

} // namespace ImageLimits
