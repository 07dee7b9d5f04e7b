#include "batch/PartnerSlips.h"

#include "batch/PartnerRows.h"

Hub3aTable partnerSlips(const QStringList &entries, const Hub3aRecord &base)
{
    // Partners give the payer alone: a base that lacks the recipient or the amount lacks it for all.
    return partnerRows(entries, base, PartnerSide::Payer, hub3aMissingFields(base));
}
