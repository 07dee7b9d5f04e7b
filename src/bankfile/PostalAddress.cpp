#include "bankfile/PostalAddress.h"

#include <QRegularExpression>

PostalAddress splitPostalAddress(const QString &street, const QString &place)
{
    PostalAddress address;
    const QString streetLine = street.simplified();
    const QString placeLine = place.simplified();
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
    // A Croatian post code has five digits, sometimes written "HR-10000".
    static const QRegularExpression codeAndTown(QStringLiteral("^(?:HR-?)?([0-9]{5}),? +(.+)$"));
    if (const QRegularExpressionMatch match = codeAndTown.match(placeLine); match.hasMatch()) {
        address.postCode = match.captured(1);
        address.townName = match.captured(2);
    } else {
        address.townName = placeLine;
    }
    return address;
}
