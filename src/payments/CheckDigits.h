#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The ways a check digit is computed over a run of decimal digits, the check digit last.
enum class CheckMethod {
    None,
    Mod11Ini,              // weights 2, 3, 4, ... from the right; 0 or 1 left over gives 0
    Iso7064,               // ISO 7064 MOD 11,10 (OIB, bank codes and account numbers)
    Mod11Jmb,              // weights 1..7 then 2..7 over the whole number, sum divisible by 11
    Mod11P7,               // weights 2..7 repeating; first digit 3; 0 left over gives 5
    Mod10Zb,               // weights 1, 2 alternating from the right; the remainder itself
    Mod10,                 // weights 2, 1 alternating from the right, digit sums; 10 minus the remainder
    Mod10Mod11Pair,        // two check digits: Mod10 then weights 2..7 modulo 11, over the same digits
    Mod11IniOrOib,         // Mod11Ini up to 10 digits, Iso7064 for 11 (an OIB)
    OibIfEleven,           // Iso7064 for 11 digits (an OIB), otherwise none
    OibOrMod11IniSixToTen, // Iso7064 up to 5 digits and for 11, Mod11Ini for 6 to 10
};

// The plain method that applies to a run of the given length.
CheckMethod methodForLength(CheckMethod method, qsizetype length);

// The check digit that the digits before it call for, or nothing when no digit can make the run
// valid. `data` holds decimal digits only.
std::optional<int> expectedCheckDigit(CheckMethod method, QStringView data);

// The first of the two check digits of Mod10Mod11Pair (Mod10), and the second (modulo 11).
std::optional<int> expectedSecondPairDigit(QStringView data);

// ISO 7064 MOD 97-10 over letters and digits, each capital letter counting as the two digits 10 (A)
// to 35 (Z), as IBANs (ISO 13616) and creditor references (ISO 11649) use it: a code is its
// two-letter prefix ("HR", "RF"), two check digits and a body, checked with the first four
// characters moved behind the body.

// The two check digits of prefix and body: 98 minus the remainder of body, prefix and "00".
// Both hold only digits and capital letters A to Z.
QString iso7064Mod97CheckDigits(QStringView prefix, QStringView body);

// Whether code (prefix, check digits, body; digits and capitals only, at least 5 characters) is
// valid: moved, it leaves 1.
bool iso7064Mod97Valid(QStringView code);
