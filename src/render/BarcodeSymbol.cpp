#include "render/BarcodeSymbol.h"

#include "model/UserError.h"

#include <zint.h>

#include <memory>

namespace {

struct SymbolDeleter
{
    void operator()(zint_symbol *symbol) const { ZBarcode_Delete(symbol); }
};

constexpr int errorCorrectionLevel = 4;
constexpr int dataColumns = 9;

} // namespace

BarcodeSymbol BarcodeSymbol::hub3a(const QByteArray &payload)
{
    const std::unique_ptr<zint_symbol, SymbolDeleter> symbol(ZBarcode_Create());
    if (!symbol)
        throw UserError(QStringLiteral("Bar-kod se ne može izraditi: nema dovoljno memorije"));
    symbol->symbology = BARCODE_PDF417;
    symbol->option_1 = errorCorrectionLevel;
    symbol->option_2 = dataColumns;
    // Bytes as they are: in Unicode mode without a marker the encoder would convert to ISO 8859-2.
    symbol->input_mode = DATA_MODE;
    symbol->eci = 0;
    const int status =
        ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char *>(payload.constData()),
                        static_cast<int>(payload.size()));
    if (status >= ZINT_ERROR)
        throw UserError(
            QStringLiteral("Bar-kod se ne može izraditi: %1").arg(QString::fromLatin1(symbol->errtxt)));
    BarcodeSymbol result;
    result.m_width = symbol->width;
    result.m_rows = symbol->rows;
    result.m_modules.resize(static_cast<size_t>(result.m_width * result.m_rows));
    for (int row = 0; row < result.m_rows; ++row) {
        for (int column = 0; column < result.m_width; ++column) {
            // The encoder packs each row's modules eight to a byte, the first in the lowest bit.
            const bool isDark = (symbol->encoded_data[row][column >> 3] >> (column & 7)) & 1;
            result.m_modules[static_cast<size_t>(row * result.m_width + column)] = isDark;
        }
    }
    return result;
}
