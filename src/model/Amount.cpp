#include "model/Amount.h"

#include <algorithm>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <locale.h>

namespace {

bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

// The C library's number conversion in the "C" locale, whatever locale the process runs in.
locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

struct NumberText
{
    std::string intDigits, fracDigits;
    long exponent = 0;
    bool negative = false;
};

// The grammar of an amount once its decimal separator is known: spaces, sign, mantissa,
// optional exponent (read until its value reaches 500), spaces, end.
std::optional<NumberText> scanNumber(const QString &text, QChar decimal)
{
    NumberText number;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i] == u' ')
        ++i;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        number.negative = text[i] == u'-';
        ++i;
    }
    bool separator = false;
    for (; i < n && isDigit(text[i]); ++i)
        number.intDigits.push_back(static_cast<char>(text[i].unicode()));
    if (i < n && text[i] == decimal) {
        separator = true;
        for (++i; i < n && isDigit(text[i]); ++i)
            number.fracDigits.push_back(static_cast<char>(text[i].unicode()));
    }
    if (number.intDigits.empty() && number.fracDigits.empty() && !separator)
        return std::nullopt;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == u'+' || text[i] == u'-')) {
            negativeExponent = text[i] == u'-';
            ++i;
        }
        for (; i < n && isDigit(text[i]) && number.exponent < 500; ++i)
            number.exponent = number.exponent * 10 + (text[i].unicode() - u'0');
        if (negativeExponent)
            number.exponent = -number.exponent;
    }
    while (i < n && text[i] == u' ')
        ++i;
    if (i != n)
        return std::nullopt;
    return number;
}

// Value of the scanned number in extended precision, rounded once more to a double.
std::optional<double> valueOf(const NumberText &number)
{
    std::string c = number.negative ? "-0" : "0";
    c += number.intDigits;
    c += '.';
    c += number.fracDigits;
    c += "0e";
    c += std::to_string(number.exponent);
    const long double extended = strtold_l(c.c_str(), nullptr, cLocale());
    if (!std::isfinite(extended) || std::fabs(extended) > static_cast<long double>(DBL_MAX))
        return std::nullopt;
    const double value = static_cast<double>(extended);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

// Adds one unit in the last place of a string of decimal digits.
void incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

QString groupThousands(const std::string &digits)
{
    QString out;
    const size_t n = digits.size();
    for (size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += u'.';
        out += QLatin1Char(digits[i]);
    }
    return out;
}

QString scientific(bool negative, std::string significant, long exponent)
{
    while (significant.size() > 1 && significant.back() == '0')
        significant.pop_back();
    QString out = negative ? QStringLiteral("-") : QString();
    out += QLatin1Char(significant[0]);
    if (significant.size() > 1) {
        out += u',';
        out += QString::fromLatin1(significant.substr(1));
    }
    out += u'E';
    out += QString::number(exponent);
    return out;
}

} // namespace

std::optional<double> ParseAmount(const QString &input)
{
    if (!std::any_of(input.begin(), input.end(), isDigit))
        return 0.0;
    QString text = input;
    const qsizetype dot = text.indexOf(u'.');
    const qsizetype comma = text.indexOf(u',');
    QChar decimal = u'.';
    if (dot >= 0 && comma >= 0) {
        // The separator that comes first groups thousands; that one character is dropped.
        if (comma < dot) {
            text.remove(comma, 1);
            decimal = u'.';
        } else {
            text.remove(dot, 1);
            decimal = u',';
        }
    } else if (comma >= 0) {
        decimal = u',';
    }
    const std::optional<NumberText> number = scanNumber(text, decimal);
    if (!number)
        return std::nullopt;
    return valueOf(*number);
}

QString FormatAmount(double value)
{
    if (!std::isfinite(value))
        return QString();
    // Reduce to 18 significant digits, ties to even, in extended precision.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", static_cast<long double>(value));
    const std::string text(buffer);
    const bool negative = text[0] == '-';
    const size_t start = negative ? 1 : 0;
    const size_t ePos = text.find('e');
    std::string significant = text.substr(start, 1) + text.substr(start + 2, ePos - start - 2);
    const long exponent = std::strtol(text.c_str() + ePos + 1, nullptr, 10);

    if (value != 0 && exponent >= 18)
        return scientific(negative, significant, exponent);

    // Split into integer and fraction digits, then round to two decimals, a tie away from zero.
    std::string intDigits, fracDigits;
    if (value == 0) {
        intDigits = "0";
    } else if (exponent >= 0) {
        intDigits = significant.substr(0, static_cast<size_t>(exponent) + 1);
        fracDigits = significant.substr(static_cast<size_t>(exponent) + 1);
    } else {
        intDigits = "0";
        fracDigits = std::string(static_cast<size_t>(-exponent - 1), '0') + significant;
    }
    fracDigits.resize(std::max<size_t>(fracDigits.size(), 3), '0');
    std::string cents = intDigits + fracDigits.substr(0, 2);
    if (fracDigits[2] >= '5')
        incrementDigits(cents);
    std::string integerPart = cents.substr(0, cents.size() - 2);
    const std::string decimals = cents.substr(cents.size() - 2);
    integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size() - 1));

    if (integerPart.size() > 18)
        return scientific(negative, integerPart.substr(0, 18), static_cast<long>(integerPart.size()) - 1);

    const bool zero = integerPart == "0" && decimals == "00";
    QString out = negative && !zero ? QStringLiteral("-") : QString();
    out += groupThousands(integerPart);
    out += u',';
    out += QString::fromLatin1(decimals);
    return out;
}

QString amountErrorMarker()
{
    return QStringLiteral("POGREŠAN UNOS!!!");
}

QString AmountText(const QString &text)
{
    const std::optional<double> value = ParseAmount(text);
    return value ? FormatAmount(*value) : amountErrorMarker();
}
