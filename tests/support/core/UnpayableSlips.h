#pragma once

#include "Hub3aRecordOf.h"
#include "model/Hub3aRules.h"

#include <vector>

// Slips that cannot pay, each a full valid slip (fullHub3aRecord) with one field made wrong, and
// the field and rule the one check finds. Every output of slips (print, PDF, PNG, ops, the barcode's
// text, the batch, the bank file, a scan's verdict, the tab's preview) must refuse each.
struct UnpayableSlip
{
    const char *name;
    Hub3aField field;
    QString text;
    Hub3aRule rule;

    Hub3aRecord record() const
    {
        Hub3aRecord slip = fullHub3aRecord();
        slip.set(field, text);
        return slip;
    }
};

inline std::vector<UnpayableSlip> unpayableSlips()
{
    using F = Hub3aField;
    using R = Hub3aRule;
    return {
        {"recipientIbanCheckDigit", F::RecipientIban, QStringLiteral("HR1210010051863000161"), R::Account},
        {"payerIbanCheckDigit", F::PayerIban, QStringLiteral("HR7023400091510946339"), R::Account},
        {"referenceCheckDigit", F::PayerReference, QStringLiteral("102-3057-89017"), R::Reference},
        {"purposeOneLetter", F::PurposeCode, QStringLiteral("H"), R::Purpose},
        {"purposeNotListed", F::PurposeCode, QStringLiteral("ABCD"), R::Purpose},
        {"recipientName40", F::RecipientName, QString(40, u'A'), R::Length},
        {"modelDigitOnly", F::RecipientModel, QStringLiteral("1"), R::Form},
        {"amountWithPoint", F::Amount, QStringLiteral("12.34"), R::Form},
        {"amountEmpty", F::Amount, QString(), R::Missing},
        {"amountZero", F::Amount, QStringLiteral("0,00"), R::Missing},
        {"recipientNameEmpty", F::RecipientName, QString(), R::Missing},
        {"descriptionAmpersand", F::Description, QStringLiteral("A & B"), R::Characters},
    };
}
