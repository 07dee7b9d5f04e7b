#include "model/Hub3aPayload.h"

std::optional<QString> hub3aPayloadText(const Hub3aRecord &record)
{
    const std::optional<qint64> cents = hub3aAmountCents(record[Hub3aField::Amount]);
    if (!cents)
        return std::nullopt;
    using F = Hub3aField;
    const QString lines[] = {
        QStringLiteral("HRVHUB30"),
        QStringLiteral("EUR"),
        QString::number(*cents).rightJustified(15, u'0'),
        record[F::PayerName],
        record[F::PayerStreet],
        record[F::PayerPlace],
        record[F::RecipientName],
        record[F::RecipientStreet],
        record[F::RecipientPlace],
        record[F::RecipientIban],
        // A slip without the recipient's model pays without a reference, which the model HR99 says.
        record[F::RecipientModel].isEmpty() ? QStringLiteral("HR99") : record[F::RecipientModel],
        record[F::RecipientReference],
        record[F::PurposeCode],
        record[F::Description],
    };
    QString text;
    for (const QString &line : lines)
        text += line + u'\n';
    return text;
}

std::optional<QByteArray> hub3aPayloadBytes(const Hub3aRecord &record)
{
    const std::optional<QString> text = hub3aPayloadText(record);
    return text ? std::optional(text->toUtf8()) : std::nullopt;
}
