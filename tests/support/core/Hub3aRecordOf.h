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

// A slip with every field filled, each to a valid value: a payer and recipient with Croatian
// letters, both accounts, models and references, purpose, description, amount, date and urgency.
inline Hub3aRecord fullHub3aRecord()
{
    using F = Hub3aField;
    return hub3aRecordOf({{F::PayerName, QStringLiteral("Ivana Horvat")},
                          {F::PayerStreet, QStringLiteral("Ilica 1")},
                          {F::PayerPlace, QStringLiteral("10000 Zagreb")},
                          {F::RecipientName, QStringLiteral("Udruga Šapica")},
                          {F::RecipientStreet, QStringLiteral("Franjčevićeva 43")},
                          {F::RecipientPlace, QStringLiteral("10361 Dumovec")},
                          {F::PayerIban, QStringLiteral("HR7023400091510946338")},
                          {F::PayerModel, QStringLiteral("HR01")},
                          {F::PayerReference, QStringLiteral("102-3057-89016")},
                          {F::RecipientIban, QStringLiteral("HR1210010051863000160")},
                          {F::RecipientModel, QStringLiteral("HR00")},
                          {F::RecipientReference, QStringLiteral("2024-0815")},
                          {F::PurposeCode, QStringLiteral("OTHR")},
                          {F::Description, QStringLiteral("Donacija za hranu i lijekove")},
                          {F::Amount, QStringLiteral("1.234,56")},
                          {F::ExecutionDate, QStringLiteral("15012026")},
                          {F::Urgent, QStringLiteral("1")}});
}

// Expects each of the given fields of record to hold its text.
inline void expectHub3aFields(const Hub3aRecord &record,
                              std::initializer_list<std::pair<Hub3aField, QString>> fields)
{
    for (const auto &[field, text] : fields)
        EXPECT_EQ(record[field], text) << hub3aField(field).key;
}
