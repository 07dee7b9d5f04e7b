#pragma once

#include "model/Hub3aPayload.h"

#include <QImage>
#include <QPointF>
#include <QRectF>

#include <vector>

// HUB-3A records and payloads for the read-back tests, and where a printed slip's barcode is.
namespace Hub3aTestSlips {

using namespace Qt::StringLiterals;

// The barcode cell inside its lines, in hundredths of a millimetre from the slip's corner.
inline constexpr int cellLeft = 536, cellTop = 5536, cellRight = 6391, cellBottom = 8174;

inline QString repeated(const QString &pattern, int length)
{
    return pattern.repeated(length / pattern.size() + 1).left(length);
}

// Every text field at its limit in pattern, the coded fields filled, and amount.
inline Hub3aRecord filled(const QString &pattern, const QString &amount)
{
    Hub3aRecord record;
    for (const Hub3aFieldSpec &rules : hub3aFields()) {
        if (rules.charset == Hub3aCharset::Text)
            record.set(rules.field, repeated(pattern, rules.maxLength));
    }
    record.set(Hub3aField::RecipientIban, u"HR1210010051863000160"_s);
    record.set(Hub3aField::RecipientModel, u"HR00"_s);
    record.set(Hub3aField::RecipientReference, u"123456789012-1234567-1"_s);
    record.set(Hub3aField::PurposeCode, u"OTHR"_s);
    record.set(Hub3aField::Amount, amount);
    return record;
}

// Records with Croatian letters in every field, every field at its limit, empty optional fields
// and the smallest and largest amounts.
inline std::vector<Hub3aRecord> testRecords()
{
    Hub3aRecord sample = filled(u"Šime Žužić"_s, u"1.234,56"_s);
    sample.set(Hub3aField::PayerName, u"Đurđica Čačić"_s);
    std::vector<Hub3aRecord> records = {
        Hub3aRecord(),
        filled(u"čćđšžČĆĐŠŽ"_s, u"9.999.999.999.999,99"_s),
        filled(u"Ab1 ,.:-+?'/()"_s, u"0,01"_s),
        filled(u"Ž"_s, u"0,00"_s),
        filled(u"x"_s, u"7"_s),
        sample,
    };
    // Only the recipient's account and one text field, at its limit in Croatian letters.
    for (const Hub3aFieldSpec &rules : hub3aFields()) {
        if (rules.charset != Hub3aCharset::Text)
            continue;
        Hub3aRecord one;
        one.set(Hub3aField::RecipientIban, u"HR1210010051863000160"_s);
        one.set(Hub3aField::Amount, u"13,27"_s);
        one.set(rules.field, repeated(u"ĐžćČšŠ đ"_s, rules.maxLength));
        records.push_back(one);
    }
    // The form's own fields, which the barcode does not carry, filled to their limits.
    Hub3aRecord formFields = sample;
    formFields.set(Hub3aField::PayerIban, u"HR7023400091510946338"_s);
    formFields.set(Hub3aField::PayerModel, u"HR00"_s);
    formFields.set(Hub3aField::PayerReference, u"123456789012-1234567-1"_s);
    formFields.set(Hub3aField::RecipientModel, u"HR99"_s);
    formFields.set(Hub3aField::RecipientReference, QString());
    formFields.set(Hub3aField::PurposeCode, QString());
    formFields.set(Hub3aField::ExecutionDate, u"31122026"_s);
    formFields.set(Hub3aField::Urgent, u"1"_s);
    records.push_back(formFields);
    // Only a slip that can be paid prints: each gets a recipient and an amount where it has none.
    for (Hub3aRecord &record : records) {
        if (record[Hub3aField::RecipientName].isEmpty())
            record.set(Hub3aField::RecipientName, u"P"_s);
        if (record[Hub3aField::RecipientIban].isEmpty())
            record.set(Hub3aField::RecipientIban, u"HR1210010051863000160"_s);
        if (hub3aAmountCents(record[Hub3aField::Amount]) == 0)
            record.set(Hub3aField::Amount, u"0,01"_s);
    }
    return records;
}

inline std::vector<QByteArray> testPayloads()
{
    std::vector<QByteArray> payloads;
    for (const Hub3aRecord &record : testRecords())
        payloads.push_back(*hub3aPayloadBytes(record));
    return payloads;
}

// The barcode cell, with 1 mm around it, of the slip whose corner lies at slipCornerMm on a
// picture of dotsPerMm: the part a read-back looks at.
inline QImage barcodeCell(const QImage &page, double dotsPerMm, QPointF slipCornerMm = {})
{
    const QPointF margin(1, 1);
    const QRectF cellMm(QPointF(cellLeft, cellTop) / 100 + slipCornerMm - margin,
                        QPointF(cellRight, cellBottom) / 100 + slipCornerMm + margin);
    const QRectF area(cellMm.topLeft() * dotsPerMm, cellMm.bottomRight() * dotsPerMm);
    return page.copy(area.toRect());
}

} // namespace Hub3aTestSlips
