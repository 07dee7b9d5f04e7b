#pragma once

#include "scan/PayloadReading.h"

// Reads the text of a HUB-3 barcode, the inverse of hub3aPayloadText: 14 lines ("HRVHUB30", "EUR",
// 15 digits of cents, the payer's and the recipient's three lines, IBAN, model, reference, purpose
// code, description), each keeping its field's rules. A payload that breaks one gives no slip but
// the line it broke ("Redak 7 (naziv primatelja): ...").
PayloadReading readHub3Payload(const QByteArray &bytes);

// True when the bytes begin as a HUB-3 payload does.
bool isHub3Payload(const QByteArray &bytes);
