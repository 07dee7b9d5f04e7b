#pragma once

#include "model/Hub3aRecord.h"
#include "render/FittedFonts.h"
#include "render/KeptBarcode.h"
#include "render/PaintHub3a.h"

#include <QImage>
#include <QSize>

class QPainter;

// The HUB-3A slip as a screen preview shows it, stretched over a box on white paper. What does not
// change with the data (the form's tints, boxes and captions) is drawn once per box size and
// device and kept as a picture; each repaint puts that picture down and draws the data and barcode
// over it, as paintHub3aSlip draws them, with the fonts and the last barcode symbol kept too.
// Printed and saved slips are drawn whole by paintHub3aSlip, never from this picture.
class Hub3aPreview
{
public:
    // Paints the slip over the rectangle (0, 0, size) of painter's coordinates, its barcode's cell
    // as cell says (the caller knows whether the slip can pay).
    void paint(QPainter &painter, QSize size, const Hub3aRecord &record,
               Hub3aBarcodeCell cell = Hub3aBarcodeCell::Barcode);

private:
    const QImage &formPicture(const QPainter &painter, QSize size);

    QImage m_form; // the form alone at m_formSize, on white
    QSize m_formSize;
    FittedFonts m_fonts;
    KeptBarcode m_barcode;
};
