#pragma once

#include <QtGlobal>

// How far the scanner goes with one file, so that a hostile file costs bounded memory and time.
namespace ScanLimits {
constexpr qint64 pixelBudget = 60'000'000; // pixels of one page as rendered or an image as decoded
constexpr int maxPages = 50;               // pages (or frames) of a file that are read
constexpr int firstDpi = 300;
constexpr int fineDpi = 600;               // a second look at a page where nothing was found
constexpr qint64 smallPicture = 4'000'000; // a picture this small is doubled for a second look
constexpr int renderMilliseconds = 30'000; // one page's rendering before it is given up
constexpr int maxThreads = 4;              // files read side by side
constexpr int askewDegrees[] = {2, -2, 4, -4, 6, -6};
} // namespace ScanLimits
