#pragma once

#include "model/Hub3aRecord.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The text of a slip's barcode: "HRVHUB30", "EUR", the amount as 15 digits of cents, the payer's
// and the recipient's three lines, the recipient's IBAN, model (HR99 when it is empty) and reference,
// the purpose code and the description, each followed by LF. Nothing when the amount is not one
// (hub3aAmountCents).
std::optional<QString> hub3aPayloadText(const Hub3aRecord &record);

// The bytes the barcode carries: the text in UTF-8, without any character set marker.
std::optional<QByteArray> hub3aPayloadBytes(const Hub3aRecord &record);
