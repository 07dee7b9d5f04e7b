#pragma once

#include <QtGlobal>

// How far the scanner goes with one file, so that a hostile file costs bounded memory and time.
namespace ScanLimits {
constexpr qint64 pixelBudget = 60'000'000; // pixels of one page as rendered or an image as decoded
constexpr int maxPages = 50;               // pages (or frames) of a file that are read
constexpr int firstDpi = 300;
constexpr int fineDpi = 600;               // a second look where the first could not read a barcode
// A picture is searched at no more pixels than an A4 page has at firstDpi, and at fineDpi for the
// second look; a larger one is brought down to that.
constexpr qint64 firstLookPixels = 9'000'000;
constexpr qint64 fineLookPixels = 36'000'000;
constexpr qint64 smallPicture = 4'000'000; // a picture this small is doubled for a second look
constexpr int fileMilliseconds = 60'000;   // one file's reading, every page and look, before it is given up
constexpr int maxThreads = 4;              // files read side by side
constexpr qint64 largestEmbeddedFile = 64 * 1024 * 1024; // an XML file a PDF carries
constexpr int mostEmbeddedFiles = 8;
constexpr int askewDegrees[] = {2, -2, 4, -4, 6, -6};
} // namespace ScanLimits
