#pragma once

#include <QString>

// A slip's two address lines ("Ilica 23", "10000 Zagreb") as the structured address of a
// pain.001 party. A line that splits gives its parts (StrtNm + BldgNb, PstCd + TwnNm); a street
// line that does not stays whole as an address line (AdrLine), a place line that does not is the
// town's name (TwnNm). A place line may name its country: before the post code as its ISO code
// ("AT-1060 Wien", "HR-10000 Zagreb") or after a comma at its end, as a code or a name in
// Croatian or English ("1060 Wien, Austrija", "Wien, AT"); the country is that one, else the
// one given (the country of the party's IBAN).
struct PostalAddress
{
    QString streetName;  // StrtNm
    QString buildingNo;  // BldgNb
    QString postCode;    // PstCd
    QString townName;    // TwnNm
    QString addressLine; // AdrLine: the street line that did not split
    QString country;     // Ctry, two capitals

    bool isEmpty() const { return streetName.isEmpty() && addressLine.isEmpty() && townName.isEmpty(); }
    bool structured() const { return addressLine.isEmpty(); }
};

PostalAddress splitPostalAddress(const QString &street, const QString &place, const QString &country);
