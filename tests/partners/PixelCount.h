#pragma once

#include <QImage>
#include <QRect>

#include <functional>

// How many pixels of region in image match.
inline int countPixels(const QImage &image, const QRect &region, const std::function<bool(QRgb)> &matches)
{
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x)
            n += matches(image.pixel(x, y)) ? 1 : 0;
    }
    return n;
}
