#pragma once

#include "render/DrawingSurface.h"

#include <functional>

class QPainter;

// The two older forms filled in full, drawn in the preview style at 610 x 350.
using Layout = std::function<void(DrawingSurface &)>;
Layout uplatnicaLayout();
Layout zorvatLayout();

// A layout's drawing resolved once to Qt pens, fonts and points: replaying it onto a painter is the
// floor of what drawing that layout can cost.
using Replay = std::function<void(QPainter &)>;
Replay resolvedReplay(const Layout &layout);
