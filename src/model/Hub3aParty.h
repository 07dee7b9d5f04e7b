#pragma once

#include "model/Hub3aRecord.h"

#include <QString>

#include <array>

// The two parties of a HUB-3A slip.
enum class Hub3aSide { Payer, Recipient };

// The fields of one party: name, street, place, IBAN, model, reference.
struct Hub3aPartyFields
{
    Hub3aField name, street, place, iban, model, reference;

    // All six, in that order.
    std::array<Hub3aField, 6> all() const { return {name, street, place, iban, model, reference}; }
    // The three lines of the party's address: name, street, place.
    std::array<Hub3aField, 3> lines() const { return {name, street, place}; }
    bool contains(Hub3aField field) const;
};

const Hub3aPartyFields &hub3aPartyFields(Hub3aSide side);

// One party's texts as the record holds them.
struct Hub3aParty
{
    QString name, street, place, iban, model, reference;

    static Hub3aParty of(const Hub3aRecord &record, Hub3aSide side);
};
