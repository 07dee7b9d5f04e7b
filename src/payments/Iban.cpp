#include "payments/Iban.h"

#include "payments/CheckDigits.h"

#include <optional>

namespace {

constexpr qsizetype croatianLength = 21;
constexpr qsizetype shortestLength = 15;
constexpr qsizetype longestLength = 34;

// The IBAN length of each country of the SEPA scheme (the IBAN registry of ISO 13616); an IBAN of
// any other country has 15 to 34 characters.
struct CountryLength
{
    const char *country;
    qsizetype length;
};
constexpr CountryLength sepaLengths[] = {
    {"AD", 24}, {"AL", 28}, {"AT", 20}, {"BE", 16}, {"BG", 22}, {"CH", 21}, {"CY", 28}, {"CZ", 24},
    {"DE", 22}, {"DK", 18}, {"EE", 20}, {"ES", 24}, {"FI", 18}, {"FO", 18}, {"FR", 27}, {"GB", 22},
    {"GI", 23}, {"GL", 18}, {"GR", 27}, {"HR", 21}, {"HU", 28}, {"IE", 22}, {"IS", 26}, {"IT", 27},
    {"LI", 21}, {"LT", 20}, {"LU", 20}, {"LV", 21}, {"MC", 27}, {"MD", 24}, {"ME", 22}, {"MK", 19},
    {"MT", 31}, {"NL", 18}, {"NO", 15}, {"PL", 28}, {"PT", 25}, {"RO", 24}, {"SE", 24}, {"SI", 19},
    {"SK", 24}, {"SM", 27}, {"VA", 22},
};

std::optional<qsizetype> sepaLength(QStringView country)
{
    for (const CountryLength &entry : sepaLengths) {
        if (country == QLatin1StringView(entry.country))
            return entry.length;
    }
    return std::nullopt;
}

bool isAsciiLetterOrDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z');
}

} // namespace

QString compactIban(const QString &text)
{
    QString compact = text;
    compact.remove(u' ');
    return compact.toUpper();
}

QString groupIban(const QString &iban)
{
    QString grouped;
    for (qsizetype i = 0; i < iban.size(); i += 4) {
        if (i > 0)
            grouped += u' ';
        grouped += iban.mid(i, 4);
    }
    return grouped;
}

QString ibanFromBban(const QString &bban)
{
    return QStringLiteral("HR") + iso7064Mod97CheckDigits(u"HR", bban) + bban;
}

CheckResult checkIban(const QString &text)
{
    const QString iban = compactIban(text);
    if (iban.isEmpty())
        return CheckResult::empty();
    if (!std::all_of(iban.begin(), iban.end(), isAsciiLetterOrDigit))
        return CheckResult::invalid(QStringLiteral("IBAN smije imati samo slova i znamenke"));
    const QStringView country = QStringView(iban).left(2);
    if (iban.size() < 4 || !country[0].isLetter() || !country[1].isLetter() || !iban[2].isDigit() ||
        !iban[3].isDigit())
        return CheckResult::invalid(
            QStringLiteral("IBAN počinje oznakom države i dvama kontrolnim brojevima"));
    if (country == u"HR") {
        if (iban.size() != croatianLength)
            return CheckResult::invalid(
                QStringLiteral("hrvatski IBAN ima 21 znak, ovaj ima %1").arg(iban.size()));
        if (!std::all_of(iban.begin() + 2, iban.end(), [](QChar c) { return c.isDigit(); }))
            return CheckResult::invalid(QStringLiteral("hrvatski IBAN iza HR ima samo znamenke"));
    } else if (const std::optional<qsizetype> length = sepaLength(country)) {
        if (iban.size() != *length)
            return CheckResult::invalid(QStringLiteral("IBAN države %1 ima %2 znakova, ovaj ima %3")
                                            .arg(country.toString())
                                            .arg(*length)
                                            .arg(iban.size()));
    } else if (iban.size() < shortestLength || iban.size() > longestLength) {
        return CheckResult::invalid(
            QStringLiteral("IBAN ima od 15 do 34 znaka, ovaj ima %1").arg(iban.size()));
    }
    const QString expected = iso7064Mod97CheckDigits(country, QStringView(iban).mid(4));
    if (QStringView(iban).mid(2, 2) != expected)
        return CheckResult::wrongCheckDigits(QStringLiteral("kontrolni broj treba biti %1").arg(expected));
    return CheckResult::valid(QStringLiteral("IBAN je ispravan"), iban);
}
