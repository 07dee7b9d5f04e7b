#include "payments/Iban.h"

namespace {

constexpr qsizetype croatianLength = 21;
constexpr qsizetype shortestLength = 15;
constexpr qsizetype longestLength = 34;

// The remainder modulo 97 of the number that a run of letters and digits stands for, each letter
// counting as the two digits 10 (A) to 35 (Z).
int mod97(QStringView text)
{
    int rest = 0;
    for (const QChar c : text) {
        if (c.isDigit())
            rest = (rest * 10 + (c.unicode() - u'0')) % 97;
        else
            rest = (rest * 100 + (c.unicode() - u'A' + 10)) % 97;
    }
    return rest;
}

// The two check digits for a country code and the account part after them.
QString checkDigitsFor(QStringView country, QStringView bban)
{
    const QString rearranged = bban.toString() + country.toString() + QStringLiteral("00");
    return QString::number(98 - mod97(rearranged)).rightJustified(2, u'0');
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
    const QString country = QStringLiteral("HR");
    return country + checkDigitsFor(country, bban) + bban;
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
    } else if (iban.size() < shortestLength || iban.size() > longestLength) {
        return CheckResult::invalid(
            QStringLiteral("IBAN ima od 15 do 34 znaka, ovaj ima %1").arg(iban.size()));
    }
    const QString expected = checkDigitsFor(country, QStringView(iban).mid(4));
    if (QStringView(iban).mid(2, 2) != expected)
        return CheckResult::wrongCheckDigits(QStringLiteral("kontrolni broj treba biti %1").arg(expected));
    return CheckResult::valid(QStringLiteral("IBAN je ispravan"), iban);
}
