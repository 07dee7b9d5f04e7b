#include "model/Hub3aParty.h"

#include <algorithm>

namespace {

using F = Hub3aField;

constexpr Hub3aPartyFields payer{F::PayerName, F::PayerStreet, F::PayerPlace,
                                 F::PayerIban, F::PayerModel,  F::PayerReference};
constexpr Hub3aPartyFields recipient{F::RecipientName, F::RecipientStreet, F::RecipientPlace,
                                     F::RecipientIban, F::RecipientModel,  F::RecipientReference};

} // namespace

bool Hub3aPartyFields::contains(Hub3aField field) const
{
    const std::array<Hub3aField, 6> fields = all();
    return std::find(fields.begin(), fields.end(), field) != fields.end();
}

const Hub3aPartyFields &hub3aPartyFields(Hub3aSide side)
{
    return side == Hub3aSide::Payer ? payer : recipient;
}

Hub3aParty Hub3aParty::of(const Hub3aRecord &record, Hub3aSide side)
{
    const Hub3aPartyFields &f = hub3aPartyFields(side);
    return {record[f.name], record[f.street], record[f.place],
            record[f.iban], record[f.model],  record[f.reference]};
}
