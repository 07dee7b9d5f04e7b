#include "payments/Hub3aChecks.h"

#include "payments/AccountCheck.h"
#include "payments/ReferenceCheck.h"

QList<CheckedField> checkHub3aRecord(const Hub3aRecord &record)
{
    using F = Hub3aField;
    const auto account = [&](const char *name, F field) {
        return CheckedField{QString::fromLatin1(name), record[field], checkAccount(record[field])};
    };
    const auto reference = [&](const char *name, F model, F number) {
        const QString value = (record[model] + u' ' + record[number]).trimmed();
        return CheckedField{QString::fromLatin1(name), value, checkReference(record[model], record[number])};
    };
    return {account("payerAccount", F::PayerIban),
            reference("payerReference", F::PayerModel, F::PayerReference),
            account("recipientAccount", F::RecipientIban),
            reference("recipientReference", F::RecipientModel, F::RecipientReference)};
}
