#include "model/SlipData.h"

#include "model/MemoLines.h"

#include <variant>

namespace {

// Where a field of the record goes in its snapshot: a text, or a memo's display lines.
template <typename Data>
using FieldTarget =
    std::variant<QString Data::*, std::array<QString, 2> Data::*, std::array<QString, 3> Data::*>;

template <typename Data, size_t N>
void fillLines(std::array<QString, N> &lines, const QString &text, const FieldSpec &field)
{
    const QStringList shown = memoDisplayLines(text, field.boxWidth, field.drawnLines);
    for (size_t i = 0; i < N && i < static_cast<size_t>(shown.size()); ++i)
        lines[i] = shown[static_cast<qsizetype>(i)];
}

// Fills data from the texts, each field through its row of the kind's field table; targets are in
// the table's canonical order.
template <typename Data>
void fillFromTexts(Data &data, const SlipTexts &texts, SlipKind kind,
                   const std::array<FieldTarget<Data>, slipFieldCount> &targets)
{
    const SlipFieldTable &table = slipFields(kind);
    for (size_t i = 0; i < targets.size(); ++i) {
        std::visit(
            [&](auto member) {
                auto &target = data.*member;
                if constexpr (std::is_same_v<std::decay_t<decltype(target)>, QString>)
                    target = texts[i];
                else
                    fillLines<Data>(target, texts[i], table[i]);
            },
            targets[i]);
    }
}

} // namespace

SlipRecord SlipRecord::blank(SlipKind kind)
{
    SlipRecord record{kind, {}};
    const SlipFieldTable &table = slipFields(kind);
    for (size_t i = 0; i < table.size(); ++i) {
        if (table[i].kind == FieldKind::DigitBox)
            record.texts[i] = QString(table[i].length, u' ');
    }
    return record;
}

UplatnicaData UplatnicaData::fromTexts(const SlipTexts &texts)
{
    using D = UplatnicaData;
    UplatnicaData data;
    fillFromTexts<D>(data, texts, SlipKind::Uplatnica,
                     {&D::postcode, &D::payer, &D::purpose, &D::recipient, &D::place, &D::date,
                      &D::executionCode, &D::code1, &D::code2, &D::code3, &D::amount, &D::account,
                      &D::referenceModel, &D::reference});
    return data;
}

ZorvatData ZorvatData::fromTexts(const SlipTexts &texts, const QString &place, const QString &date)
{
    using D = ZorvatData;
    ZorvatData data;
    fillFromTexts<D>(data, texts, SlipKind::Zorvat,
                     {&D::payer, &D::purpose, &D::recipient, &D::payerAccount, &D::payerReferenceModel,
                      &D::payerReference, &D::executionCode, &D::amount, &D::recipientAccount,
                      &D::recipientReferenceModel, &D::recipientReference, &D::code1, &D::code2, &D::code3});
    data.place = place;
    data.date = date;
    return data;
}
