#include "partners/PartnerParty.h"
#include "partners/PartnerEntry.h"

#include <gtest/gtest.h>

namespace {

TEST(PartnerParty, NameLinesAccountAndReferenceAsASlipPartyTakesThem)
{
    const struct
    {
        const char16_t *name, *account, *reference;
        const char16_t *partyName, *street, *place, *iban;
        std::optional<const char16_t *> model;
        const char16_t *number;
    } cases[] = {
        {u"HEP d.d.\r\n Ulica  grada Vukovara 37 \r\n\r\n10000 Zagreb", u" HR12 1001 0051 8630 0016 0 ",
         u"HR01 1234-5", u"HEP d.d.", u"Ulica grada Vukovara 37", u"10000 Zagreb", u"HR1210010051863000160",
         u"HR01", u"1234-5"},
        {u"Udruga\vA\nB\rC", u"2340009-1510946338", u" 01 77 88", u"Udruga", u"A", u"B C",
         u"HR7023400091510946338", u"HR01", u"77-88"},
        {u"Nepoznat", u"30101-601-25434", u"12345", u"Nepoznat", u"", u"", u"", std::nullopt, u"12345"},
        {u"", u"", u"XY 5", u"", u"", u"", u"", u"XY", u"5"},
        // A model alone (a utility's "HR99 "): the model, and no reference.
        {u"Vodovod", u"", u"HR99 ", u"Vodovod", u"", u"", u"", u"HR99", u""},
        {u"Plin", u"", u" 99 ", u"Plin", u"", u"", u"", u"HR99", u""},
        // One line longer than the name's field, or with street and place, splits at its commas; a
        // short one with one comma stays whole.
        {u"Ivan Horvat, Ilica 1, Donji grad, 10000 Zagreb", u"", u"", u"Ivan Horvat", u"Ilica 1",
         u"Donji grad, 10000 Zagreb", u"", std::nullopt, u""},
        {u"Ana Ban, Ilica 1, Zagreb", u"", u"", u"Ana Ban", u"Ilica 1", u"Zagreb", u"", std::nullopt, u""},
        {u"Horvat, Ivan", u"", u"", u"Horvat, Ivan", u"", u"", u"", std::nullopt, u""},
    };
    for (const auto &c : cases) {
        const PartnerParty party =
            partnerParty(joinPartner(QString::fromUtf16(c.name), QString::fromUtf16(c.account),
                                     QString::fromUtf16(c.reference)),
                         25);
        const std::string label = QString::fromUtf16(c.name).toStdString();
        EXPECT_EQ(party.name, QString::fromUtf16(c.partyName)) << label;
        EXPECT_EQ(party.street, QString::fromUtf16(c.street)) << label;
        EXPECT_EQ(party.place, QString::fromUtf16(c.place)) << label;
        EXPECT_EQ(party.account, QString::fromUtf16(c.account).trimmed()) << label;
        EXPECT_EQ(party.iban, QString::fromUtf16(c.iban)) << label;
        const std::optional<QString> model =
            c.model ? std::optional(QString::fromUtf16(*c.model)) : std::nullopt;
        EXPECT_EQ(party.model, model) << label;
        EXPECT_EQ(party.reference, QString::fromUtf16(c.number)) << label;
    }
}

} // namespace
