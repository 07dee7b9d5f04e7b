#pragma once

#include "model/Hub3aRecord.h"

#include <QStringList>

// Takes a partner entry into a HUB-3A slip's recipient: the name's lines give name, street and
// place (lines past the third join the place); an account that is an IBAN, or an old account that
// has one, gives the IBAN; a reference "HR01 1234-5" (or " 01 1234-5") gives model and reference,
// one without a space goes whole to the reference and the model is kept. Every recipient field
// that the entry does not fill is emptied, but for that model. Returns what the status bar says:
// an old account converted ("račun 2340009-1510946338 → HR70…") or not taken ("nije preuzeto:
// račun primatelja"); nothing when the entry went over as it was.
QStringList takeHub3aRecipient(Hub3aRecord &record, const QString &entry);
