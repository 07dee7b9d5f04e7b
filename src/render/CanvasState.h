#pragma once

#include <QString>
#include <QtGlobal>

// Colours as RGB 0xRRGGBB; clNone (no colour) lies outside that range.
using Color = quint32;
inline constexpr Color clBlack = 0x000000;
inline constexpr Color clWhite = 0xFFFFFF;
inline constexpr Color clBlue = 0x0000FF;
inline constexpr Color clNone = 0x1FFFFFFF;

enum class PenStyle { psSolid, psDot };
enum class BrushStyle { bsSolid, bsClear };

// The Central European character set that the print jobs ask for, so that č ć đ š ž print.
inline constexpr int centralEuropeanCharset = 238;

struct PenState
{
    PenStyle style = PenStyle::psSolid;
    int width = 1;
    Color color = clBlack;
    bool operator==(const PenState &) const = default;
};

struct BrushState
{
    BrushStyle style = BrushStyle::bsSolid;
    Color color = clWhite;
    bool operator==(const BrushState &) const = default;
};

// height is the character cell (ascent plus descent) in surface pixels.
struct FontState
{
    QString name = QStringLiteral("Arial");
    int height = 11;
    bool bold = false;
    Color color = clBlack;
    int charset = 1;
    int orientation = 0; // tenths of a degree counter-clockwise; TextOut turns about its (x, y)
    bool operator==(const FontState &) const = default;
};

// What persists on a surface between drawing operations.
struct CanvasState
{
    PenState pen;
    BrushState brush;
    FontState font;
    bool operator==(const CanvasState &) const = default;
};
