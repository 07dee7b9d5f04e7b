#pragma once

#include "SlipFields.h"

#include <QString>

#include <array>

// The 14 field texts of one slip record in canonical order.
using SlipTexts = std::array<QString, slipFieldCount>;

// A record's texts as read from the controls at one moment, with its kind.
struct SlipRecord {
    SlipKind kind = SlipKind::Uplatnica;
    SlipTexts texts;

    // A record as the window starts it: digit boxes all blanks, everything else empty.
    static SlipRecord blank(SlipKind kind);
};

// Snapshot of the payment slip that the layouts, print jobs and files take.
// Field members carry their controls' names; the memo members hold their display lines.
struct UplatnicaData {
    QString MaskEdit1, Edit2, Edit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5;
    QString Edit3, MaskEdit7, MaskEdit6, MaskEdit8;
    std::array<QString, 2> Memo1; // payer, display lines 1 and 2
    std::array<QString, 3> Memo2; // purpose, display lines 1 to 3
    std::array<QString, 2> Memo3; // recipient, display lines 1 and 2

    static UplatnicaData fromTexts(const SlipTexts &texts);
};

// Snapshot of the transfer order, with the place and date shared with the payment slip tab.
struct ZorvatData {
    std::array<QString, 3> Nalogodavac;  // payer, display lines 1 to 3
    std::array<QString, 3> SvrhaZorvata; // purpose
    std::array<QString, 3> Primatelj;    // recipient
    QString Racun1, pb11, pb12, Nacin, IznosZorvat, Racun2, pb21, pb22, sif1, sif2, sif3;
    QString Edit2, Edit1; // place and date from the payment slip tab

    static ZorvatData fromTexts(const SlipTexts &texts, const QString &place, const QString &date);
};
