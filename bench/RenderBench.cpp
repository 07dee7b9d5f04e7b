// Drawing the two forms in the preview style at 610 x 350 into a QImage, against the floor of
// replaying the same operations, already resolved to Qt pens, fonts and points, onto a QPainter.
#include "LayoutReplay.h"
#include "render/FittedFonts.h"
#include "render/QPainterSurface.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

QImage previewImage()
{
    QImage image(610, 350, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// What a preview repaint does: a new painter and surface, the layout drawn through it.
void paintLayout(benchmark::State &state, const Layout &layout)
{
    QImage image = previewImage();
    for (auto _ : state) {
        QPainter painter(&image);
        QPainterSurface surface(painter);
        layout(surface);
    }
}

// The same with fitted fonts kept from one repaint to the next.
void paintLayoutKeepingFonts(benchmark::State &state, const Layout &layout)
{
    QImage image = previewImage();
    FittedFonts fonts;
    for (auto _ : state) {
        QPainter painter(&image);
        QPainterSurface surface(painter, fonts);
        layout(surface);
    }
}

void replayLayout(benchmark::State &state, const Layout &layout)
{
    QImage image = previewImage();
    const Replay replay = resolvedReplay(layout);
    for (auto _ : state) {
        QPainter painter(&image);
        replay(painter);
    }
}

} // namespace

BENCHMARK_CAPTURE(paintLayout, Uplatnica, uplatnicaLayout())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(paintLayoutKeepingFonts, Uplatnica, uplatnicaLayout())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(replayLayout, Uplatnica, uplatnicaLayout())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(paintLayout, Zorvat, zorvatLayout())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(paintLayoutKeepingFonts, Zorvat, zorvatLayout())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(replayLayout, Zorvat, zorvatLayout())->Unit(benchmark::kMicrosecond);
