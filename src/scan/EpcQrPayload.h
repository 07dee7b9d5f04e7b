#pragma once

#include "scan/PayloadReading.h"

// Reads the text of an EPC credit transfer QR code ("BCD", version 001 or 002, character set 1 =
// UTF-8, "SCT") into a HUB-3A slip: the recipient's name and IBAN, the amount in euro, the purpose
// code, and the reference (an RF reference or the remittance text) as the description under model
// HR99. The payer's fields stay empty. A name or text longer than its HUB-3A field, or holding
// characters the barcode refuses, is fitted to it and noted; anything else that breaks a rule gives
// no slip but the line it broke.
PayloadReading readEpcQrPayload(const QByteArray &bytes);

// True when the bytes begin as an EPC QR payload does.
bool isEpcQrPayload(const QByteArray &bytes);
