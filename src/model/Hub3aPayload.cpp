#include "model/Hub3aPayload.h"

std::optional<QString> hub3aPayloadText(const Hub3aRecord &record)
{
    const std::optional<qint64> cents = hub3aAmountCents(record[Hub3aField::Amount]);
    if (!cents)
        return std::nullopt;
    QString text;
    for (const Hub3aPayloadLine &line : hub3aPayloadLines) {
        switch (line.kind) {
        case Hub3aPayloadLine::Header:
            text += QLatin1StringView(hub3aPayloadHeader);
            break;
        case Hub3aPayloadLine::Currency:
            text += QLatin1StringView(hub3aPayloadCurrency);
            break;
        case Hub3aPayloadLine::Amount:
            text += QString::number(*cents).rightJustified(hub3aPayloadAmountDigits, u'0');
            break;
        case Hub3aPayloadLine::Field:
            if (line.field == Hub3aField::RecipientModel && record[line.field].isEmpty())
                text += QLatin1StringView(hub3aNoReferenceModel);
            else
                text += record[line.field];
            break;
        }
        text += u'\n';
    }
    return text;
}

std::optional<QByteArray> hub3aPayloadBytes(const Hub3aRecord &record)
{
    const std::optional<QString> text = hub3aPayloadText(record);
    return text ? std::optional(text->toUtf8()) : std::nullopt;
}
