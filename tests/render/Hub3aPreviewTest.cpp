#include "render/Hub3aPreview.h"
#include "model/SlipFile.h"
#include "render/Hub3aForm.h"
#include "render/PaintHub3a.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTransform>

#include <gtest/gtest.h>

namespace {

Hub3aRecord dataFile(const char *name)
{
    QFile file(QStringLiteral(ZORVAT_TEST_DATA_DIR "/hub3a/") + QLatin1StringView(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return SlipFile::hub3aFromBytes(file.readAll()).value_or(Hub3aRecord());
}

QImage blank(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The slip drawn whole on white, as the preview drew it before it kept the form's picture.
QImage drawnWhole(QSize size, const Hub3aRecord &record)
{
    QImage image = blank(size);
    QPainter painter(&image);
    const QSizeF slip = Hub3aForm::sizeMm;
    paintHub3aSlip(painter, QTransform::fromScale(size.width() / slip.width(), size.height() / slip.height()),
                   PrintMode::Complete, record);
    return image;
}

// One preview kept through a sequence of repaints, of other sizes and data, as a tab keeps it: each
// picture has the pixels of the slip drawn whole, so a kept form or barcode never shows stale.
TEST(Hub3aPreview, EveryRepaintHasThePixelsOfTheSlipDrawnWhole)
{
    const Hub3aRecord full = dataFile("full.txt");
    Hub3aRecord typedOn = full;
    typedOn.set(Hub3aField::Description, full[Hub3aField::Description] + QStringLiteral("x"));
    const struct
    {
        const char *what;
        QSize size;
        Hub3aRecord record;
    } repaints[] = {
        {"first", {840, 396}, full},
        {"a keystroke", {840, 396}, typedOn},
        {"the data unchanged", {840, 396}, typedOn},
        {"another size", {611, 288}, typedOn},
        {"no data", {611, 288}, Hub3aRecord()},
    };
    Hub3aPreview preview;
    for (const auto &r : repaints) {
        QImage picture = blank(r.size);
        {
            QPainter painter(&picture);
            preview.paint(painter, r.size, r.record);
        }
        EXPECT_TRUE(picture == drawnWhole(r.size, r.record)) << r.what;
    }
}

} // namespace
