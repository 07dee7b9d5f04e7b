#pragma once

#include <QString>

// What a payment check found: nothing to check, valid, invalid, or a value it cannot judge.
enum class CheckStatus { Empty, Valid, Invalid, Unchecked };

// The outcome of checking one value, with a short Croatian message for the clerk and, for an
// account, its IBAN when one follows from it.
struct CheckResult
{
    CheckStatus status = CheckStatus::Empty;
    QString message;
    QString iban;
    // An invalid value whose form is right but whose check digits are not.
    bool checkDigitsWrong = false;

    bool failed() const { return status == CheckStatus::Invalid; }

    static CheckResult empty() { return {}; }
    static CheckResult valid(QString message, QString iban = {})
    {
        return {CheckStatus::Valid, std::move(message), std::move(iban)};
    }
    static CheckResult invalid(QString message) { return {CheckStatus::Invalid, std::move(message), {}}; }
    static CheckResult wrongCheckDigits(QString message)
    {
        return {CheckStatus::Invalid, std::move(message), {}, true};
    }
    static CheckResult unchecked(QString message) { return {CheckStatus::Unchecked, std::move(message), {}}; }
};
