#include "scan/Hub3Payload.h"

#include "model/Hub3aPayload.h"
#include "model/Hub3aRules.h"

using namespace Qt::StringLiterals;

namespace {

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
    return bytes.startsWith(hub3aPayloadHeader);
}

PayloadReading readHub3Payload(const QByteArray &bytes)
{
    std::optional<QString> text = strictUtf8(bytes);
    if (!text)
        return PayloadReading::refused(u"Bar-kod nije zapisan u UTF-8"_s);
    // Some senders end the lines with CR LF; a CR anywhere else is no line end and breaks the line.
    text->replace(u"\r\n"_s, u"\n"_s);
    const QStringList lines = payloadLines(*text);
    if (lines.size() != hub3aPayloadLineCount)
        return PayloadReading::refused(
            u"Bar-kod HUB-3 ima %1 redaka umjesto %2"_s.arg(lines.size()).arg(hub3aPayloadLineCount));
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].contains(u'\r'))
            return PayloadReading::refused(lineProblem(i + 1, u"Znak CR nije dopušten"_s));
    }
    Hub3aRecord record;
    for (int i = 0; i < hub3aPayloadLineCount; ++i) {
        const Hub3aPayloadLine &line = hub3aPayloadLines[i];
        const QString &text = lines[i];
        const int number = i + 1;
        switch (line.kind) {
        case Hub3aPayloadLine::Header:
            if (text != QLatin1StringView(hub3aPayloadHeader))
                return PayloadReading::refused(lineProblem(number, u"Zaglavlje nije HRVHUB30"_s));
            break;
        case Hub3aPayloadLine::Currency:
            if (text != QLatin1StringView(hub3aPayloadCurrency))
                return PayloadReading::refused(lineProblem(number, u"Valuta '%1' nije EUR"_s.arg(text)));
            break;
        case Hub3aPayloadLine::Amount:
            if (text.size() != hub3aPayloadAmountDigits || !allDigits(text))
                return PayloadReading::refused(lineProblem(number, u"Iznos nije 15 znamenki"_s));
            record.texts[static_cast<size_t>(Hub3aField::Amount)] = hub3aAmountText(text.toLongLong());
            break;
        case Hub3aPayloadLine::Field:
            // The slip's barcode writes HR99 for a payment without a reference: a model is never
            // left out.
            if (line.field == Hub3aField::RecipientModel && text.isEmpty())
                return PayloadReading::refused(
                    lineProblem(number, u"Model nedostaje (HR99 kad nema poziva na broj)"_s));
            if (const QString problem = hub3aFieldProblem(line.field, text); !problem.isEmpty())
                return PayloadReading::refused(
                    lineProblem(number, u"%1: %2"_s.arg(hub3aField(line.field).label(), problem)));
            record.texts[static_cast<size_t>(line.field)] = text;
            break;
        }
    }
    return {record, QString(), {}};
}
