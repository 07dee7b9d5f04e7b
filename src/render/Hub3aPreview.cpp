#include "render/Hub3aPreview.h"

#include "render/Hub3aForm.h"
#include "render/LayoutStyle.h"
#include "render/PaintHub3a.h"

#include <QPainter>
#include <QTransform>

namespace {

QTransform mmToBox(QSize size)
{
    const QSizeF slip = Hub3aForm::sizeMm;
    return QTransform::fromScale(size.width() / slip.width(), size.height() / slip.height());
}

} // namespace

const QImage &Hub3aPreview::formPicture(const QPainter &painter, QSize size)
{
    const QPaintDevice &device = *painter.device();
    const qreal ratio = device.devicePixelRatio();
    const int dotsPerMeterX = qRound(device.logicalDpiX() / 0.0254);
    const int dotsPerMeterY = qRound(device.logicalDpiY() / 0.0254);
    if (size == m_formSize && m_form.devicePixelRatio() == ratio && m_form.dotsPerMeterX() == dotsPerMeterX &&
        m_form.dotsPerMeterY() == dotsPerMeterY)
        return m_form;
    m_form = QImage((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
    m_form.setDevicePixelRatio(ratio);
    m_form.setDotsPerMeterX(dotsPerMeterX);
    m_form.setDotsPerMeterY(dotsPerMeterY);
    m_form.fill(Qt::white);
    m_formSize = size;
    QPainter formPainter(&m_form);
    paintHub3aSlip(formPainter, mmToBox(size), PrintMode::Template, Hub3aRecord(), {std::nullopt, &m_fonts});
    return m_form;
}

void Hub3aPreview::paint(QPainter &painter, QSize size, const Hub3aRecord &record, Hub3aBarcodeCell cell)
{
    painter.drawImage(QPointF(0, 0), formPicture(painter, size));
    paintHub3aSlip(painter, mmToBox(size), PrintMode::DataOnly, record,
                   {std::nullopt, &m_fonts, &m_barcode, cell});
}
