#pragma once

#include "scan/PayloadReading.h"

#include <QString>

// A barcode's bytes as a slip: a HUB-3 payload or an EPC QR payload. Nothing at all (no record and no
// problem) for bytes of any other barcode, such as a receipt's verification link.
PayloadReading readSlipPayload(const QByteArray &bytes);

// The reasons a slip would not be paid as it stands (its rules and payment checks) and the notes of
// its reading, one a line; empty when there are none.
QString slipVerdict(const PayloadReading &reading);
