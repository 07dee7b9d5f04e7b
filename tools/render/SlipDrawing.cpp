#include "SlipDrawing.h"

#include "render/PaintUplatnica.h"
#include "render/PaintZorvat.h"

#include <algorithm>

namespace {

// The printer device unit is 1/12.5 mm.
constexpr double printUnitMillimetres = 1.0 / 12.5;

} // namespace

SlipDrawing::SlipDrawing(const SlipRecord &record, const RenderOptions &options)
    : m_record(record), m_options(options)
{
    if (options.style == RenderOptions::Style::Print) {
        m_frame = FormFrame::print(options.rectWidth, options.rectHeight, options.perforation, options.dX,
                                   options.dY);
        m_style = LayoutStyle::print(options.mode);
    } else {
        m_frame = FormFrame::preview(options.previewWidth, options.previewHeight);
        m_style = LayoutStyle::preview();
    }
}

void SlipDrawing::paint(DrawingSurface &surface) const
{
    if (m_record.kind == SlipKind::Uplatnica) {
        UplatnicaData data = UplatnicaData::fromTexts(m_record.texts);
        data.place = m_options.place.value_or(data.place);
        data.date = m_options.date.value_or(data.date);
        PaintUplatnica(surface, m_frame, m_style, data);
    } else {
        const ZorvatData data = ZorvatData::fromTexts(m_record.texts, m_options.place.value_or(QString()),
                                                      m_options.date.value_or(QString()));
        PaintZorvat(surface, m_frame, m_style, data);
    }
}

int SlipDrawing::canvasWidth() const
{
    return std::max(m_frame.width, m_frame.originX + m_frame.width);
}

int SlipDrawing::canvasHeight() const
{
    return std::max(m_frame.height, m_frame.originY + m_frame.height);
}

QSizeF SlipDrawing::millimetresPerPixel() const
{
    if (m_options.style == RenderOptions::Style::Print)
        return QSizeF(printUnitMillimetres, printUnitMillimetres);
    return QSizeF(170.0 / m_frame.width, 100.0 / m_frame.height);
}
