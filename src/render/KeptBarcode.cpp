#include "render/KeptBarcode.h"

const BarcodeSymbol &KeptBarcode::symbolOf(const QByteArray &payload)
{
    if (!m_symbol || payload != m_payload) {
        m_symbol.reset(); // a payload that does not fit throws and leaves nothing kept
        m_symbol = BarcodeSymbol::hub3a(payload);
        m_payload = payload;
    }
    return *m_symbol;
}
