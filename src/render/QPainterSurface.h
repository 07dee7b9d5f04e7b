#pragma once

#include "render/DrawingSurface.h"
#include "render/FittedFonts.h"

#include <QPainter>
#include <QSizeF>

#include <optional>

class KeptBarcode;

// A DrawingSurface over any QPainter (preview widget, QImage, printer, PDF). Lines are aliased;
// a dotted pen draws one pixel on, one off. Fonts are fitted to the requested cell height.
class QPainterSurface : public DrawingSurface
{
public:
    explicit QPainterSurface(QPainter &painter);
    // Shares fonts fitted earlier (a preview keeps them from one repaint to the next).
    QPainterSurface(QPainter &painter, FittedFonts &fonts);
    QPainterSurface(const QPainterSurface &) = delete;
    QPainterSurface &operator=(const QPainterSurface &) = delete;

    // The resolution a barcode's modules are measured in, across and down: the device's own, unless
    // a printer's calibration scales the page, when it is the device's dots per inch of paper.
    void setBarcodeDotsPerInch(double across, double down) { m_barcodeDotsPerInch = QSizeF(across, down); }
    // Takes barcode symbols from kept, which a preview keeps from one repaint to the next.
    void keepBarcodeIn(KeptBarcode &kept) { m_keptBarcode = &kept; }

protected:
    void paintMove(int x, int y) override;
    void paintLine(QPoint from, QPoint to) override;
    void paintRectangle(int x1, int y1, int x2, int y2) override;
    void paintFill(int x1, int y1, int x2, int y2) override;
    void paintText(int x, int y, const QString &text) override;
    void paintClippedText(int x1, int y1, int x2, int y2, int x, int y, const QString &text) override;
    int measureWidth(const QString &text) override;
    void paintBarcode(int x1, int y1, int x2, int y2, const QByteArray &payload) override;

private:
    void usePen();
    void drawText(int x, int y, const QString &text);

    QPainter &m_painter;
    FittedFonts m_ownFonts;
    FittedFonts &m_fonts;
    std::optional<PenState> m_painterPen; // the pen last given to the painter for lines
    std::optional<FontState> m_painterFont; // the font last given to the painter
    std::optional<QSizeF> m_barcodeDotsPerInch;
    KeptBarcode *m_keptBarcode = nullptr;
};
