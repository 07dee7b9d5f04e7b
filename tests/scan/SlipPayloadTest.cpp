#include "scan/SlipPayload.h"
#include "InvoiceDocuments.h"
#include "scan/EpcQrPayload.h"
#include "scan/Hub3Payload.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using F = Hub3aField;

// A payload a reader must refuse, and the start of the problem it must give.
struct RefusedPayload
{
    QByteArray payload;
    const char *problem;
};

template <class Reader, size_t count> void expectRefused(Reader read, const RefusedPayload (&cases)[count])
{
    for (const RefusedPayload &c : cases) {
        const PayloadReading reading = read(c.payload);
        EXPECT_FALSE(reading.record) << c.problem;
        EXPECT_TRUE(reading.problem.startsWith(QString::fromUtf8(c.problem)))
            << reading.problem.toStdString();
    }
}

// The payload of fullSlip with line `line` (from 1) replaced.
QByteArray hub3WithLine(int line, const QByteArray &text)
{
    QList<QByteArray> lines = InvoiceDocuments::hub3Payload(InvoiceDocuments::fullSlip()).split('\n');
    lines[line - 1] = text;
    return lines.join('\n');
}

TEST(Hub3Payload, ReadsBackWhatTheSlipsBarcodeCarries)
{
    const Hub3aRecord slip = InvoiceDocuments::fullSlip();
    Hub3aRecord withoutModel = slip;
    withoutModel.set(F::RecipientModel, QString());
    withoutModel.set(F::RecipientReference, QString());
    QByteArray crLf = InvoiceDocuments::hub3Payload(slip);
    crLf.replace("\n", "\r\n");
    for (const auto &[record, payload] : {std::pair{slip, InvoiceDocuments::hub3Payload(slip)},
                                          {withoutModel, InvoiceDocuments::hub3Payload(withoutModel)},
                                          {slip, crLf}}) {
        const PayloadReading reading = readHub3Payload(payload);
        ASSERT_TRUE(reading.record) << reading.problem.toStdString();
        Hub3aRecord expected = record;
        if (expected[F::RecipientModel].isEmpty())
            expected.set(F::RecipientModel, u"HR99"_s);
        EXPECT_EQ(reading.record->texts, expected.texts);
    }
}

TEST(Hub3Payload, RefusesAPayloadThatBreaksARuleNamingTheLine)
{
    const RefusedPayload cases[] = {
        {hub3WithLine(2, "HRK"), "Redak 2: Valuta 'HRK' nije EUR"},
        {hub3WithLine(3, "12345"), "Redak 3: Iznos nije 15 znamenki"},
        {hub3WithLine(3, "00000000001234a"), "Redak 3: Iznos nije 15 znamenki"},
        {hub3WithLine(7, "Vodovod i odvodnja grada Zagreba"),
         "Redak 7: naziv primatelja: Dulje od 25 znakova"},
        {hub3WithLine(10, "HR12 1001 0051 8630 0016 0"), "Redak 10: IBAN primatelja:"},
        {hub3WithLine(11, "01"), "Redak 11: model primatelja:"},
        {hub3WithLine(14, "Voda & kanal"), "Redak 14: opis plaćanja: Nedopušteni znakovi: &"},
        {hub3WithLine(7, "Vodovod\rd.o.o."), "Redak 7: Znak CR"},
        {hub3WithLine(14, "Voda\r") + "\n", "Bar-kod HUB-3 ima 15 redaka"},
        {"HRVHUB30\nEUR\n000000000000100\n", "Bar-kod HUB-3 ima 3 redaka umjesto 14"},
        {hub3WithLine(4, "\xC4"), "Bar-kod nije zapisan u UTF-8"},
    };
    expectRefused(readHub3Payload, cases);
}

TEST(EciProtocol, EachStretchInTheCharacterSetItsMarkerNames)
{
    const struct
    {
        QByteArray content;
        std::optional<QByteArray> utf8;
    } cases[] = {
        {"]L1\\000004Ivana \xC8i\xE8" "ak", "Ivana Čičak"},// ISO 8859-2
        {"]Q2\\000026Ivana Čičak", "Ivana Čičak"},                // UTF-8
        {"\\000004\xE8\\000003\xE8", "čè"},                   // one stretch a character set
        {"HR\\\\01 \\000004\xB9", "HR\\01 š"},              // a doubled backslash is one
        {"]L1\\000899abc", std::nullopt},                           // a character set not known
        {"]L1\\00004abc", std::nullopt},                            // a marker of five digits
        {"]Q2\\000026\xC8", std::nullopt},                         // not UTF-8 where it says so
    };
    for (const auto &c : cases)
        EXPECT_EQ(eciProtocolUtf8(c.content), c.utf8) << c.content.toStdString();
}

TEST(EpcQrPayload, FillsTheRecipientAmountPurposeAndReferenceUnderHr99)
{
    const struct
    {
        QByteArray payload;
        const char *name, *amount, *purpose, *description;
        int notes;
        const char *iban = "HR1210010051863000160";
    } cases[] = {
        {"BCD\n002\n1\nSCT\n\nVodovod d.o.o.\nHR1210010051863000160\nEUR12.3\nWTER\nRF18 5390 0754 7034\n",
         "Vodovod d.o.o.", "12,30", "WTER", "RF18 5390 0754 7034", 0},
        {"BCD\r\n001\r\n1\r\nSCT\r\nZABAHR2X\r\nPlin & struja "
         "d.d.\r\nHR1210010051863000160\r\nEUR1234567.89\r\n\r\n"
         "\r\nRačun 17/2026",
         "Plin  struja d.d.", "1.234.567,89", "", "Račun 17/2026", 1},
        {"BCD\n002\n1\nSCT\n\nElektroprivredna opskrba stanovnistva d.o.o.\nHR1210010051863000160\n\n\nRF00 "
         "1\n",
         "Elektroprivredna opskrba", "", "", "RF00 1", 2},
        // An IBAN abroad stays whole for a bank order, however short the slip's field.
        {"BCD\n002\n1\nSCT\n\nMuster AG\nDE89 3704 0044 0532 0130 00\nEUR5\n", "Muster AG", "5,00", "", "", 0,
         "DE89370400440532013000"},
    };
    for (const auto &c : cases) {
        const PayloadReading reading = readEpcQrPayload(c.payload);
        ASSERT_TRUE(reading.record) << reading.problem.toStdString();
        Hub3aRecord expected;
        expected.set(F::RecipientName, QString::fromUtf8(c.name));
        expected.set(F::RecipientIban, QString::fromUtf8(c.iban));
        expected.set(F::Amount, QString::fromUtf8(c.amount));
        expected.set(F::PurposeCode, QString::fromUtf8(c.purpose));
        expected.set(F::RecipientModel, u"HR99"_s);
        expected.set(F::Description, QString::fromUtf8(c.description));
        EXPECT_EQ(reading.record->texts, expected.texts) << c.name;
        EXPECT_EQ(reading.notes.size(), c.notes) << reading.notes.join(u'|').toStdString();
    }
}

TEST(EpcQrPayload, RefusesWhatNoSlipCanHold)
{
    const QByteArray head = "BCD\n002\n1\nSCT\n\nVodovod\n";
    const RefusedPayload cases[] = {
        {"BCD\n003\n1\nSCT\n\nVodovod\nHR1210010051863000160\n", "Redak 2:"},
        {"BCD\n002\n2\nSCT\n\nVodovod\nHR1210010051863000160\n", "Redak 3:"},
        {"BCD\n002\n1\nINST\n\nVodovod\nHR1210010051863000160\n", "Redak 4:"},
        {head + "DE893704004405320130001234567890123\n", "Redak 7: IBAN primatelja:"},
        {head + "HR1210010051863000160\nUSD5.00\n", "Redak 8: Iznos 'USD5.00'"},
        {head + "HR1210010051863000160\nEUR0.00\n", "Redak 8:"},
        {head + "HR1210010051863000160\n\nwter1\n", "Redak 9: Šifra namjene:"},
        {head + "HR1210010051863000160\n\n\nRF18539007547034\nRačun\n", "Redak 11:"},
        {"BCD\n002\n1\nSCT\n", "EPC QR kod ima 4 redaka"},
    };
    expectRefused(readEpcQrPayload, cases);
}

TEST(SlipPayload, ASlipThatFailsThePaymentChecksIsReadWithTheReason)
{
    Hub3aRecord record = InvoiceDocuments::fullSlip();
    record.set(F::RecipientIban, u"HR1210010051863000161"_s);
    record.set(F::RecipientReference, u"102-3057-89017"_s);
    const PayloadReading reading = readSlipPayload(InvoiceDocuments::hub3Payload(record));
    ASSERT_TRUE(reading.record);
    const QString verdict = slipVerdict(reading);
    EXPECT_TRUE(verdict.contains(u"IBAN primatelja"_s)) << verdict.toStdString();
    EXPECT_TRUE(verdict.contains(u"poziv na broj primatelja"_s)) << verdict.toStdString();
    EXPECT_TRUE(
        slipVerdict(readSlipPayload(InvoiceDocuments::hub3Payload(InvoiceDocuments::fullSlip()))).isEmpty());
    // A receipt's verification link is no slip and no problem either.
    const PayloadReading link = readSlipPayload("https://porezna.gov.hr/rn?jir=1");
    EXPECT_FALSE(link.record);
    EXPECT_TRUE(link.problem.isEmpty());
}

} // namespace
