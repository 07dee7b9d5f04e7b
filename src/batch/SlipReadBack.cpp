#include "batch/SlipReadBack.h"

#include "model/Hub3aPayload.h"
#include "model/UserError.h"
#include "print/Hub3aBarcodeCheck.h"

std::optional<QString> barcodeProblem(const Hub3aRecord &record, PrintMode mode,
                                      const QList<int> &dotsPerInch)
{
    if (mode == PrintMode::Template)
        return std::nullopt;
    const std::optional<QByteArray> payload = hub3aPayloadBytes(record);
    if (!payload)
        return QStringLiteral("Iznos nije iznos u eurima u obliku 1.234,56");
    try {
        for (const int dots : dotsPerInch)
            checkPrintedBarcode(*payload, dots);
    } catch (const UserError &e) {
        return e.text();
    }
    return std::nullopt;
}
