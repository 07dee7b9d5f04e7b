// The HUB-3A preview's cost per keystroke, against the floor of replaying the payment slip's
// resolved drawing in the same run, and the cost of reading one printed barcode back.
#include "LayoutReplay.h"
#include "model/Hub3aPayload.h"
#include "model/SlipFile.h"
#include "print/Hub3aBarcodeCheck.h"
#include "render/FittedFonts.h"
#include "render/Hub3aPreview.h"
#include "render/PaintHub3a.h"
#include "render/QPainterSurface.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

Hub3aRecord fullRecord()
{
    QFile file(QStringLiteral(ZORVAT_HUB3A_SAMPLE));
    file.open(QIODevice::ReadOnly);
    return SlipFile::hub3aFromBytes(file.readAll()).value_or(Hub3aRecord());
}

// One character more typed into the description: a new barcode every time.
void typeInDescription(Hub3aRecord &record, const QString &base, int &keystroke)
{
    record.set(Hub3aField::Description, base + QString::number(keystroke++ % 100000));
}

// The slip at `width` pixels: 840 is 4 pixels per millimetre, 610 the main window's preview.
QImage previewImage(int width = 840)
{
    QImage image(width, qRound(width * 99.0 / 210.0), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(width / 210.0 * 1000.0);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    return image;
}

void paint(QImage &image, FittedFonts &fonts, PrintMode mode, const Hub3aRecord &record)
{
    QPainter painter(&image);
    painter.scale(image.width() / 21000.0, image.height() / 9900.0);
    QPainterSurface surface(painter, fonts);
    PaintHub3a(surface, mode, record);
}

// The whole slip repainted, fonts kept from one repaint to the next as a preview keeps them.
void BM_Hub3aKeystrokeRepaint(benchmark::State &state)
{
    Hub3aRecord record = fullRecord();
    QImage image = previewImage();
    FittedFonts fonts;
    const QString base = record[Hub3aField::Description].left(20);
    int keystroke = 0;
    for (auto _ : state) {
        typeInDescription(record, base, keystroke);
        image.fill(Qt::white);
        paint(image, fonts, PrintMode::Complete, record);
    }
}
BENCHMARK(BM_Hub3aKeystrokeRepaint)->Unit(benchmark::kMicrosecond);

// What the HUB-3A tab's preview does per keystroke: the form's kept picture put down, the data and
// a new barcode drawn over it.
void BM_Hub3aPreviewKeystroke(benchmark::State &state)
{
    Hub3aRecord record = fullRecord();
    QImage image = previewImage(static_cast<int>(state.range(0)));
    Hub3aPreview preview;
    const QString base = record[Hub3aField::Description].left(20);
    int keystroke = 0;
    for (auto _ : state) {
        typeInDescription(record, base, keystroke);
        QPainter painter(&image);
        preview.paint(painter, image.size(), record);
    }
}
BENCHMARK(BM_Hub3aPreviewKeystroke)->Arg(840)->Arg(610)->Unit(benchmark::kMicrosecond);

// A repaint with the data unchanged (the window uncovered, the focus moved): the kept barcode
// symbol is drawn again without encoding it.
void BM_Hub3aPreviewRepaint(benchmark::State &state)
{
    const Hub3aRecord record = fullRecord();
    QImage image = previewImage();
    Hub3aPreview preview;
    for (auto _ : state) {
        QPainter painter(&image);
        preview.paint(painter, image.size(), record);
    }
}
BENCHMARK(BM_Hub3aPreviewRepaint)->Unit(benchmark::kMicrosecond);

// The floor the preview is held to, measured beside it: the payment slip's drawing, resolved to Qt
// pens, fonts and points once, replayed onto the older forms' preview picture.
void BM_PaymentSlipReplayFloor(benchmark::State &state)
{
    QImage image(610, 350, QImage::Format_RGB32);
    image.fill(Qt::white);
    const Replay replay = resolvedReplay(uplatnicaLayout());
    for (auto _ : state) {
        QPainter painter(&image);
        replay(painter);
    }
}
BENCHMARK(BM_PaymentSlipReplayFloor)->Unit(benchmark::kMicrosecond);

// The check before printing: the barcode drawn as a 600 dpi printer prints it, read back and compared.
void BM_Hub3aReadBack(benchmark::State &state)
{
    const QByteArray payload = *hub3aPayloadBytes(fullRecord());
    for (auto _ : state)
        checkPrintedBarcode(payload, 600);
}
BENCHMARK(BM_Hub3aReadBack)->Unit(benchmark::kMillisecond);

} // namespace
