#pragma once

#include "model/Hub3aRecord.h"

#include <QString>

#include <gtest/gtest.h>

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

// Expects each of the given fields of record to hold its text.
inline void expectHub3aFields(const Hub3aRecord &record,
                              std::initializer_list<std::pair<Hub3aField, QString>> fields)
{
    for (const auto &[field, text] : fields)
        EXPECT_EQ(record[field], text) << hub3aField(field).key;
}
