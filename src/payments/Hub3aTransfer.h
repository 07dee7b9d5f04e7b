#pragma once

#include "model/Hub3aRecord.h"
#include "model/SlipData.h"

#include <QStringList>

// A HUB-3A slip filled from one of the two older forms, with what was converted, what could
// not be ("1.234,56 kn = 163,85 EUR", "račun 2360000-1101234567 → HR…"; "iznos", "račun platitelja")
// and each field that lost characters or was cut to its length ("naziv primatelja: skraćeno na
// 25 znakova").
struct Hub3aTransfer
{
    Hub3aRecord record;
    QStringList converted;
    QStringList notConverted;
    QStringList changed;

    // All of it in lines for a message box, starting "Preneseno u HUB-3A.".
    QString summary() const;
};

// The older form's payer and recipient lines (PartyLines: a one-line party splits at its
// commas), accounts as IBANs (an old 7+10 digit account gets
// its check digits), models " 01" as HR01 with their references, the purpose as the description,
// and the kuna amount in euro at 7,53450 kn, rounded to the cent. What does not convert, an amount
// the slip cannot hold included, stays empty.
Hub3aTransfer transferToHub3a(const SlipRecord &old);

// Kuna cents in euro cents at 7,53450 kn for 1 EUR, rounded half up, for any non-negative qint64.
qint64 kunaToEuroCents(qint64 kunaCents);
