#pragma once

#include "payments/CheckDigits.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// Which lengths a data element may have: bit n set allows n digits.
using ElementLengths = std::uint32_t;

constexpr ElementLengths exactly(int digits)
{
    return ElementLengths{1} << digits;
}
constexpr ElementLengths upTo(int digits)
{
    return (exactly(digits + 1) - 1) & ~ElementLengths{1};
}

// One data element (P1..P4) of a reference: the lengths it may have and the digits it may start with.
struct ElementRule
{
    ElementLengths lengths = upTo(12);
    const char *firstDigits = nullptr; // null: any digit
};

// One check digit of a model: the elements P(first+1)..P(last+1) are read as one run of digits
// whose last digit is the check digit. Elements missing from the reference are left out.
struct CheckSpan
{
    int first = 0;
    int last = 0;
    CheckMethod method = CheckMethod::None;
};

// The rules of one reference model: how many elements it takes, what each looks like and which
// check digits it carries.
struct ModelRule
{
    int number = 0;
    int minElements = 1;
    int maxElements = 3;
    std::array<ElementRule, 4> elements{};
    std::array<CheckSpan, 3> checks{}; // unused places keep CheckMethod::None
};

// The rule of model HRnn, or nothing for a model that does not exist.
const ModelRule *findModelRule(int number);

// "HR01" for model 1.
QString modelName(int number);

// The model number of a model text as the forms give it (" 01", "01", "1") or written in full
// ("HR01"), or nothing when the text is no model.
std::optional<int> parseModel(const QString &text);
