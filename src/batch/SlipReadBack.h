#pragma once

#include "model/Hub3aRecord.h"
#include "render/LayoutStyle.h"

#include <QList>
#include <QString>

#include <optional>

// Why a slip's barcode would not scan: drawn as a device of each resolution prints it and read
// back, it does not carry the payment byte for byte (or the amount is no amount). Nothing when it
// reads back at every resolution, or when mode prints no barcode (the template).
std::optional<QString> barcodeProblem(const Hub3aRecord &record, PrintMode mode,
                                      const QList<int> &dotsPerInch);
