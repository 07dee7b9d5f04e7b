#pragma once

#include "render/RecordingSurface.h"

#include <QByteArray>
#include <QJsonObject>

#include <vector>

// Recorded drawing operations as JSON: one object per operation with its "op", coordinates, and
// the pen, brush and font it was drawn with. Colours are "#rrggbb" ("none" for clNone).
namespace OpsJson {

QJsonObject toJson(const RecordedOp &op);

// JSON Lines: one compact object per line, in drawing order, UTF-8.
QByteArray toJsonLines(const std::vector<RecordedOp> &ops);

} // namespace OpsJson
