#pragma once

#include "model/SlipData.h"
#include "model/SlipFields.h"

#include <QLatin1StringView>
#include <QString>

#include <initializer_list>
#include <utility>

// A blank slip of the older forms with the named fields ("payer", "amount") set.
inline SlipRecord slipRecordOf(SlipKind kind, std::initializer_list<std::pair<const char *, QString>> fields)
{
    SlipRecord record = SlipRecord::blank(kind);
    for (const auto &[field, text] : fields)
        record.texts[static_cast<size_t>(slipFieldIndex(kind, QLatin1StringView(field)))] = text;
    return record;
}
