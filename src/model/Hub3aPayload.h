#pragma once

#include "model/Hub3aRecord.h"

#include <QByteArray>
#include <QString>

#include <iterator>
#include <optional>

// The lines of a slip's barcode text, in order, each followed by LF: "HRVHUB30", "EUR", the amount
// as 15 digits of cents, then one slip field a line. The barcode's writer and its reader both go by
// this table.
struct Hub3aPayloadLine
{
    enum Kind { Header, Currency, Amount, Field };
    Kind kind;
    Hub3aField field = Hub3aField::Amount; // the slip's field, for a line of kind Field
};

inline constexpr char hub3aPayloadHeader[] = "HRVHUB30";
inline constexpr char hub3aPayloadCurrency[] = "EUR";
inline constexpr int hub3aPayloadAmountDigits = 15;
// A slip without the recipient's model pays without a reference, which the model HR99 says.
inline constexpr char hub3aNoReferenceModel[] = "HR99";

inline constexpr Hub3aPayloadLine hub3aPayloadLines[] = {
    {Hub3aPayloadLine::Header},
    {Hub3aPayloadLine::Currency},
    {Hub3aPayloadLine::Amount},
    {Hub3aPayloadLine::Field, Hub3aField::PayerName},
    {Hub3aPayloadLine::Field, Hub3aField::PayerStreet},
    {Hub3aPayloadLine::Field, Hub3aField::PayerPlace},
    {Hub3aPayloadLine::Field, Hub3aField::RecipientName},
    {Hub3aPayloadLine::Field, Hub3aField::RecipientStreet},
    {Hub3aPayloadLine::Field, Hub3aField::RecipientPlace},
    {Hub3aPayloadLine::Field, Hub3aField::RecipientIban},
    {Hub3aPayloadLine::Field, Hub3aField::RecipientModel},
    {Hub3aPayloadLine::Field, Hub3aField::RecipientReference},
    {Hub3aPayloadLine::Field, Hub3aField::PurposeCode},
    {Hub3aPayloadLine::Field, Hub3aField::Description},
};
inline constexpr int hub3aPayloadLineCount = int(std::size(hub3aPayloadLines));

// The text of a slip's barcode, by hub3aPayloadLines (the model HR99 when the slip has none).
// Nothing when the amount is not one (hub3aAmountCents).
std::optional<QString> hub3aPayloadText(const Hub3aRecord &record);

// The bytes the barcode carries: the text in UTF-8, without any character set marker.
std::optional<QByteArray> hub3aPayloadBytes(const Hub3aRecord &record);
