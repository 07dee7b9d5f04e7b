#pragma once

#include "model/Hub3aFields.h"

#include <QString>

#include <array>
#include <optional>

// A HUB-3A slip as the layouts, files and the barcode take it: one text per field, each within
// its field's length and characters.
struct Hub3aRecord
{
    std::array<QString, hub3aFieldCount> texts;

    const QString &operator[](Hub3aField field) const { return texts[static_cast<size_t>(field)]; }

    // Sets a field to text exactly as it is; whether it keeps the field's rules is for the rules
    // (hub3aFieldProblems) to say.
    void set(Hub3aField field, const QString &text);
    // Sets a field to what it keeps of text (cleanHub3aText) and says what fitting it changed, or
    // an empty text when text fits as it is: "naziv primatelja: izostavljeni znakovi &;, skraćeno
    // na 25 znakova". Small letters raised in a coded field are no change.
    QString setFitted(Hub3aField field, const QString &text);
    bool urgent() const { return (*this)[Hub3aField::Urgent] == u"1"; }
};

// The amount of a slip in cents, from the program's amount format: digits with "." between groups
// of three, "," and at most two decimals ("1.234,56", "1234,5", "7"). An empty amount is 0.
// Nothing for any other text or an amount over 9.999.999.999.999,99.
std::optional<qint64> hub3aAmountCents(const QString &text);

// Cents in the program's amount format: 123456 -> "1.234,56".
QString hub3aAmountText(qint64 cents);
