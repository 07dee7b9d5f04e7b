#include "scan/Hub3Payload.h"

#include "model/Hub3aRules.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int lineCount = 14;

// The slip's field on each line from the fourth on, in the order of the payload.
constexpr Hub3aField fieldLines[] = {
    Hub3aField::PayerName,     Hub3aField::PayerStreet,     Hub3aField::PayerPlace,
    Hub3aField::RecipientName, Hub3aField::RecipientStreet, Hub3aField::RecipientPlace,
    Hub3aField::RecipientIban, Hub3aField::RecipientModel,  Hub3aField::RecipientReference,
    Hub3aField::PurposeCode,   Hub3aField::Description,
};

QString lineProblem(int line, const QString &message)
{
    return u"Redak %1: %2"_s.arg(line).arg(message);
}

bool allDigits(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar ch) { return ch >= u'0' && ch <= u'9'; });
}

} // namespace

bool isHub3Payload(const QByteArray &bytes)
{
    return bytes.startsWith("HRVHUB30");
}

PayloadReading readHub3Payload(const QByteArray &bytes)
{
    const std::optional<QString> text = strictUtf8(bytes);
    if (!text)
        return PayloadReading::refused(u"Bar-kod nije zapisan u UTF-8"_s);
    const QStringList lines = payloadLines(*text);
    if (lines.size() != lineCount)
        return PayloadReading::refused(u"Bar-kod HUB-3 ima %1 redaka umjesto 14"_s.arg(lines.size()));
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].contains(u'\r'))
            return PayloadReading::refused(lineProblem(i + 1, u"Znak CR nije dopušten"_s));
    }
    if (lines[0] != "HRVHUB30"_L1)
        return PayloadReading::refused(lineProblem(1, u"Zaglavlje nije HRVHUB30"_s));
    if (lines[1] != "EUR"_L1)
        return PayloadReading::refused(lineProblem(2, u"Valuta '%1' nije EUR"_s.arg(lines[1])));
    if (lines[2].size() != 15 || !allDigits(lines[2]))
        return PayloadReading::refused(lineProblem(3, u"Iznos nije 15 znamenki"_s));
    // The slip's barcode writes HR99 for a payment without a reference: a model is never left out.
    if (lines[10].isEmpty())
        return PayloadReading::refused(lineProblem(11, u"Model nedostaje (HR99 kad nema poziva na broj)"_s));
    Hub3aRecord record;
    record.texts[static_cast<size_t>(Hub3aField::Amount)] = hub3aAmountText(lines[2].toLongLong());
    for (size_t i = 0; i < std::size(fieldLines); ++i) {
        const Hub3aField field = fieldLines[i];
        const int line = static_cast<int>(i) + 4;
        if (const QString problem = hub3aFieldProblem(field, lines[line - 1]); !problem.isEmpty())
            return PayloadReading::refused(
                lineProblem(line, u"%1: %2"_s.arg(hub3aField(field).label(), problem)));
        record.texts[static_cast<size_t>(field)] = lines[line - 1];
    }
    return {record, QString(), {}};
}
