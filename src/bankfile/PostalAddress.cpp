#include "bankfile/PostalAddress.h"

#include <QRegularExpression>

namespace {

// The countries a place line may name by name, in Croatian and in English: the SEPA scheme and the
// neighbours outside it.
struct CountryName
{
    const char *code;
    const char *croatian; // UTF-8
    const char *english;
};
constexpr CountryName countryNames[] = {
    {"AD", "Andora", "Andorra"},          {"AL", "Albanija", "Albania"},
    {"AT", "Austrija", "Austria"},        {"BA", "Bosna i Hercegovina", "Bosnia and Herzegovina"},
    {"BE", "Belgija", "Belgium"},         {"BG", "Bugarska", "Bulgaria"},
    {"CH", "Švicarska", "Switzerland"},   {"CY", "Cipar", "Cyprus"},
    {"CZ", "Češka", "Czechia"},           {"DE", "Njemačka", "Germany"},
    {"DK", "Danska", "Denmark"},          {"EE", "Estonija", "Estonia"},
    {"ES", "Španjolska", "Spain"},        {"FI", "Finska", "Finland"},
    {"FR", "Francuska", "France"},        {"GB", "Ujedinjeno Kraljevstvo", "United Kingdom"},
    {"GR", "Grčka", "Greece"},            {"HR", "Hrvatska", "Croatia"},
    {"HU", "Mađarska", "Hungary"},        {"IE", "Irska", "Ireland"},
    {"IS", "Island", "Iceland"},          {"IT", "Italija", "Italy"},
    {"LI", "Lihtenštajn", "Liechtenstein"}, {"LT", "Litva", "Lithuania"},
    {"LU", "Luksemburg", "Luxembourg"},   {"LV", "Latvija", "Latvia"},
    {"MC", "Monako", "Monaco"},           {"MD", "Moldavija", "Moldova"},
    {"ME", "Crna Gora", "Montenegro"},    {"MK", "Sjeverna Makedonija", "North Macedonia"},
    {"MT", "Malta", "Malta"},             {"NL", "Nizozemska", "Netherlands"},
    {"NO", "Norveška", "Norway"},         {"PL", "Poljska", "Poland"},
    {"PT", "Portugal", "Portugal"},       {"RO", "Rumunjska", "Romania"},
    {"RS", "Srbija", "Serbia"},           {"SE", "Švedska", "Sweden"},
    {"SI", "Slovenija", "Slovenia"},      {"SK", "Slovačka", "Slovakia"},
    {"SM", "San Marino", "San Marino"},   {"VA", "Vatikan", "Vatican"},
};

// The code of a country named by its code or its name, or nothing.
QString countryNamed(const QString &text)
{
    for (const CountryName &entry : countryNames) {
        const QString code = QString::fromLatin1(entry.code);
        if (text == code || text.compare(QString::fromUtf8(entry.croatian), Qt::CaseInsensitive) == 0 ||
            text.compare(QString::fromLatin1(entry.english), Qt::CaseInsensitive) == 0)
            return code;
    }
    return {};
}

} // namespace

PostalAddress splitPostalAddress(const QString &street, const QString &place, const QString &country)
{
    PostalAddress address;
    address.country = country;
    const QString streetLine = street.simplified();
    QString placeLine = place.simplified();
    // The house number is the last word when it begins with a digit ("23", "23a", "23/2", "5-7")
    // or is "bb" (bez broja).
    static const QRegularExpression streetAndNumber(
        QStringLiteral("^(.*[^ ,]),? +((?:[0-9][0-9A-Za-z/-]{0,15})|bb|BB|b\\.b\\.)$"));
    if (const QRegularExpressionMatch match = streetAndNumber.match(streetLine);
        match.hasMatch() && match.captured(2).size() <= 16) {
        address.streetName = match.captured(1);
        address.buildingNo = match.captured(2);
    } else {
        address.addressLine = streetLine;
    }
    if (const qsizetype comma = placeLine.lastIndexOf(u','); comma >= 0) {
        if (const QString named = countryNamed(placeLine.mid(comma + 1).trimmed()); !named.isEmpty()) {
            address.country = named;
            placeLine = placeLine.left(comma).trimmed();
        }
    }
    // A post code of four or five digits, or as Poland ("00-950") and Portugal ("1000-001") write
    // theirs, sometimes after its country's code ("HR-10000").
    static const QRegularExpression codeAndTown(
        QStringLiteral("^(?:([A-Z]{2})-?)?([0-9]{4,5}|[0-9]{2}-[0-9]{3}|[0-9]{4}-[0-9]{3}),? +(.+)$"));
    const QRegularExpressionMatch match = codeAndTown.match(placeLine);
    const QString prefix = match.captured(1);
    if (match.hasMatch() && (prefix.isEmpty() || countryNamed(prefix) == prefix)) {
        if (!prefix.isEmpty())
            address.country = prefix;
        address.postCode = match.captured(2);
        address.townName = match.captured(3);
    } else {
        address.townName = placeLine;
    }
    return address;
}
