#pragma once

#include "render/BarcodeSymbol.h"

#include <QByteArray>

#include <optional>

// The symbol of the last payload drawn, kept so that a repaint whose payload has not changed (a
// keystroke in a field the barcode does not carry, a resize) does not encode it again.
class KeptBarcode
{
public:
    const BarcodeSymbol &symbolOf(const QByteArray &payload);

private:
    QByteArray m_payload;
    std::optional<BarcodeSymbol> m_symbol;
};
