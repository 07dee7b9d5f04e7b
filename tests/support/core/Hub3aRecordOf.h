#pragma once

#include "model/Hub3aRecord.h"

#include <QString>

#include <initializer_list>
#include <utility>

// A HUB-3A record with the given fields set in order, as the slip's controls would set them
// (Hub3aRecord::set); the other fields are empty.
inline Hub3aRecord hub3aRecordOf(std::initializer_list<std::pair<Hub3aField, QString>> fields)
{
    Hub3aRecord record;
    for (const auto &[field, text] : fields)
        record.set(field, text);
    return record;
}
