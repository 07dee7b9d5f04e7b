#include "payments/Hub3aTransfer.h"
#include "Hub3aRecordOf.h"
#include "QtPrinters.h"
#include "SlipRecordOf.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using F = Hub3aField;

TEST(Hub3aTransfer, KunaGoesToEuroAtTheFixedRateRoundedToTheCent)
{
    const struct
    {
        qint64 kuna, euro;
    } cases[] = {{10000, 1327},
                 {100000, 13272},
                 {753, 100},
                 {123456, 16385},
                 {0, 0},
                 {37, 5},
                 {38, 5},
                 // 10.000.000.000.000 kn and the largest kuna amount the slip's euro can hold.
                 {1'000'000'000'000'000, 132'722'808'414'626},
                 {7'534'499'999'999'996, 999'999'999'999'999}};
    for (const auto &c : cases)
        EXPECT_EQ(kunaToEuroCents(c.kuna), c.euro) << c.kuna;
}

TEST(Hub3aTransfer, FillsTheSlipFromThePaymentSlipAndSaysWhatItConverted)
{
    const Hub3aTransfer t = transferToHub3a(
        slipRecordOf(SlipKind::Uplatnica, {{"payer", u"Ivan Horvat\r\nIlica 1\r\n10000 Zagreb"_s},
                                           {"purpose", u"Račun za struju\r\nza prosinac"_s},
                                           {"recipient", u"HEP d.d.\r\nUlica grada Vukovara 37"_s},
                                           {"amount", u"1.234,56"_s},
                                           {"account", u"1001005-1863000160"_s},
                                           {"referenceModel", u" 01"_s},
                                           {"reference", u"102-3057-89016"_s}}));
    // clang-format off
    expectHub3aFields(t.record, {
        {F::PayerName, u"Ivan Horvat"_s}, {F::PayerStreet, u"Ilica 1"_s}, {F::PayerPlace, u"10000 Zagreb"_s},
        {F::RecipientName, u"HEP d.d."_s}, {F::RecipientStreet, u"Ulica grada Vukovara 37"_s},
        {F::RecipientPlace, QString()}, {F::Description, u"Račun za struju za prosinac"_s},
        {F::RecipientIban, u"HR1210010051863000160"_s}, {F::RecipientModel, u"HR01"_s},
        {F::RecipientReference, u"102-3057-89016"_s}, {F::Amount, u"163,85"_s}});
    // clang-format on
    EXPECT_EQ(t.converted, (QStringList{u"račun 1001005-1863000160 → HR1210010051863000160"_s,
                                        u"1.234,56 kn = 163,85 EUR"_s}));
    EXPECT_TRUE(t.notConverted.isEmpty());
}

TEST(Hub3aTransfer, LeavesEmptyAndNamesWhatDoesNotConvert)
{
    const Hub3aTransfer t =
        transferToHub3a(slipRecordOf(SlipKind::Zorvat, {{"payerAccount", u"12345"_s},
                                                        {"payerReferenceModel", u" 7x"_s},
                                                        {"payerReference", u"1234"_s},
                                                        {"recipientAccount", u"HR1210010051863000160"_s},
                                                        {"amount", u"dvjesto"_s}}));
    expectHub3aFields(t.record, {{F::PayerIban, QString()},
                                 {F::PayerModel, QString()},
                                 {F::Amount, QString()},
                                 {F::RecipientIban, u"HR1210010051863000160"_s}});
    EXPECT_EQ(t.notConverted, (QStringList{u"račun platitelja"_s, u"poziv na broj platitelja"_s,
                                           u"iznos (dvjesto nije iznos u kunama)"_s}));
    EXPECT_TRUE(t.converted.isEmpty());
}

TEST(Hub3aTransfer, SplitsAOneLinePayerAndListsEveryFieldItShortenedOrDroppedCharactersOf)
{
    const Hub3aTransfer t = transferToHub3a(
        slipRecordOf(SlipKind::Uplatnica, {{"payer", u"Ivan Horvat, Ilica 1, 10000 Zagreb"_s},
                                           {"recipient", u"Gradska plinara Zagreb d.o.o."_s},
                                           {"purpose", u"Plin 5_2022, pretplatnički broj 123456"_s},
                                           {"amount", u"10000000000000,00"_s}}));
    expectHub3aFields(t.record, {{F::PayerName, u"Ivan Horvat"_s},
                                 {F::PayerStreet, u"Ilica 1"_s},
                                 {F::PayerPlace, u"10000 Zagreb"_s},
                                 {F::Amount, u"1.327.228.084.146,26"_s}});
    EXPECT_EQ(t.changed, (QStringList{u"naziv primatelja: skraćeno na 25 znakova"_s,
                                      u"opis plaćanja: izostavljeni znakovi _, skraćeno na 35 znakova"_s}));
    for (const QString &line : t.changed + t.converted)
        EXPECT_TRUE(t.summary().contains(line)) << line.toStdString();

    const Hub3aTransfer tooMuch =
        transferToHub3a(slipRecordOf(SlipKind::Uplatnica, {{"amount", u"75345000000000,00"_s}}));
    EXPECT_EQ(tooMuch.record[F::Amount], QString());
    EXPECT_EQ(tooMuch.notConverted, QStringList{u"iznos (veći od 9.999.999.999.999,99 EUR)"_s});
    const Hub3aTransfer negative =
        transferToHub3a(slipRecordOf(SlipKind::Uplatnica, {{"amount", u"-5,00"_s}}));
    EXPECT_EQ(negative.notConverted, QStringList{u"iznos (negativan)"_s});
}

} // namespace
