#pragma once

#include "model/SlipFields.h"

#include <QString>

#include <array>

// The 14 field texts of one slip record in canonical order.
using SlipTexts = std::array<QString, slipFieldCount>;

// A record's texts as read from the controls at one moment, with its kind.
struct SlipRecord
{
    SlipKind kind = SlipKind::Uplatnica;
    SlipTexts texts;

    // A record as the window starts it: digit boxes all blanks, everything else empty.
    static SlipRecord blank(SlipKind kind);
};

// Snapshot of the payment slip that the layouts, print jobs and files take. The memo fields hold
// their display lines.
struct UplatnicaData
{
    QString postcode, place, date, executionCode, code1, code2, code3;
    QString amount, account, referenceModel, reference;
    std::array<QString, 2> payer;     // display lines 1 and 2
    std::array<QString, 3> purpose;   // display lines 1 to 3
    std::array<QString, 2> recipient; // display lines 1 and 2

    static UplatnicaData fromTexts(const SlipTexts &texts);
};

// Snapshot of the transfer order, with the place and date shared with the payment slip tab.
struct ZorvatData
{
    std::array<QString, 3> payer;     // display lines 1 to 3
    std::array<QString, 3> purpose;   // display lines 1 to 3
    std::array<QString, 3> recipient; // display lines 1 to 3
    QString payerAccount, payerReferenceModel, payerReference, executionCode, amount;
    QString recipientAccount, recipientReferenceModel, recipientReference, code1, code2, code3;
    QString place, date; // from the payment slip tab

    static ZorvatData fromTexts(const SlipTexts &texts, const QString &place, const QString &date);
};
