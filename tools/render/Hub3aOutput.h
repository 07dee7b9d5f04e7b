#pragma once

#include "model/Hub3aRecord.h"
#include "render/LayoutStyle.h"

#include <QByteArray>
#include <QSize>

// The HUB-3A slip (210 x 99 mm) as zorprint-render writes it.
namespace Hub3aOutput {

// The picture's default size: 8 pixels per millimetre.
QSize defaultSize();

// A PNG of size pixels, the slip stretched over it. Throws UserError for an empty or huge size.
QByteArray png(const Hub3aRecord &record, PrintMode mode, QSize size);
// One 210 x 99 mm page.
QByteArray pdf(const Hub3aRecord &record, PrintMode mode);
// Every drawing operation in hundredths of a millimetre from the slip's top-left corner.
QByteArray ops(const Hub3aRecord &record, PrintMode mode);

} // namespace Hub3aOutput
