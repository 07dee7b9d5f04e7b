#include "batch/PartnerOrders.h"

#include "batch/PartnerRows.h"

Hub3aTable partnerOrders(const QStringList &entries, const Hub3aRecord &base)
{
    // Partners give the recipient alone: a base without an amount lacks it for every order.
    QList<Hub3aProblem> amountMissing;
    for (const Hub3aProblem &missing : hub3aMissingFields(base)) {
        if (missing.field == Hub3aField::Amount)
            amountMissing.append(missing);
    }
    return partnerRows(entries, base, PartnerSide::Recipient, amountMissing);
}
