#pragma once

#include "bankfile/Pain001.h"
#include "model/Hub3aRecord.h"

#include <QBuffer>
#include <QList>

#include <initializer_list>
#include <utility>

// Orders and options the bank-file tests share: a fixed day (8 December 2026) and slips that
// pass every check.
namespace BankFixtures {

using F = Hub3aField;
using Fields = std::initializer_list<std::pair<F, QString>>;

inline Pain001::Options options(Pain001::Schema schema = Pain001::Schema::Croatian, bool instant = false)
{
    Pain001::Options options;
    options.schema = schema;
    options.instant = instant;
    options.messageId = QStringLiteral("UN202612080001");
    options.created = QDateTime(QDate(2026, 12, 8), QTime(10, 15, 30));
    options.today = QDate(2026, 12, 8);
    return options;
}

// A slip that passes every check, with fields changed.
inline Hub3aRecord order(Fields changes = {})
{
    Hub3aRecord record;
    const std::pair<F, QString> base[] = {
        {F::PayerName, QStringLiteral("Ivana Horvat")},
        {F::PayerStreet, QStringLiteral("Ilica 1")},
        {F::PayerPlace, QStringLiteral("10000 Zagreb")},
        {F::RecipientName, QStringLiteral("Udruga Šapica")},
        {F::RecipientStreet, QStringLiteral("Franjčevićeva 43")},
        {F::RecipientPlace, QStringLiteral("10361 Dumovec")},
        {F::PayerIban, QStringLiteral("HR7023400091510946338")},
        {F::PayerModel, QStringLiteral("HR01")},
        {F::PayerReference, QStringLiteral("102-3057-89016")},
        {F::RecipientIban, QStringLiteral("HR1210010051863000160")},
        {F::RecipientModel, QStringLiteral("HR68")},
        {F::RecipientReference, QStringLiteral("8214-12345678903")},
        {F::PurposeCode, QStringLiteral("OTHR")},
        {F::Description, QStringLiteral("Donacija za hranu")},
        {F::Amount, QStringLiteral("10,00")},
    };
    for (const auto &[field, text] : base)
        record.texts[static_cast<size_t>(field)] = text;
    for (const auto &[field, text] : changes)
        record.texts[static_cast<size_t>(field)] = text;
    return record;
}

using Row = NumberedSlip;

// The file written of rows numbered 1, 2, ...
inline QByteArray written(const QList<Hub3aRecord> &records, const Pain001::Options &fileOptions,
                          Pain001::Result *result = nullptr)
{
    QList<Row> rows;
    for (const Hub3aRecord &record : records)
        rows.append({static_cast<int>(rows.size()) + 1, record});
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const Pain001::Result done = Pain001::write(buffer, rows, fileOptions);
    if (result)
        *result = done;
    return bytes;
}

} // namespace BankFixtures
