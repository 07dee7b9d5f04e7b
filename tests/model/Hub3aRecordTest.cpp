#include "model/Hub3aRecord.h"
#include "FileBytes.h"
#include "Hub3aRecordOf.h"
#include "model/Hub3aPayload.h"
#include "model/SlipFile.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(Hub3aAmount, ReadsTheProgramsAmountFormatIntoCents)
{
    const struct
    {
        const char16_t *text;
        std::optional<qint64> cents;
    } cases[] = {
        // clang-format off
        {u"", 0}, {u"0,01", 1}, {u"123,55", 12355}, {u"1.234,56", 123456}, {u"1234,5", 123450}, {u"7", 700},
        {u",5", 50}, {u"9.999.999.999.999,99", 999999999999999}, {u"9999999999999,99", 999999999999999},
        {u"10.000.000.000.000,00", std::nullopt}, {u"1,234", std::nullopt}, {u"12.34", std::nullopt},
        {u"1.2345", std::nullopt}, {u".123", std::nullopt}, {u"1,2,3", std::nullopt}, {u",", std::nullopt},
        {u"1 000", std::nullopt},
        // clang-format on
    };
    for (const auto &c : cases)
        EXPECT_EQ(hub3aAmountCents(QString::fromUtf16(c.text)), c.cents)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(Hub3aAmount, WritesCentsInTheProgramsAmountFormat)
{
    EXPECT_EQ(hub3aAmountText(0), u"0,00"_s);
    EXPECT_EQ(hub3aAmountText(5), u"0,05"_s);
    EXPECT_EQ(hub3aAmountText(123456), u"1.234,56"_s);
    EXPECT_EQ(hub3aAmountText(100000), u"1.000,00"_s);
    EXPECT_EQ(hub3aAmountText(999999999999999), u"9.999.999.999.999,99"_s);
}

TEST(Hub3aFields, KeepOnlyWhatEachFieldTakesWithinItsLength)
{
    using F = Hub3aField;
    const struct
    {
        F field;
        const char16_t *typed, *kept;
    } cases[] = {
        {F::PayerName, u"Đurđa Žužić & sin_d.o.o.", u"Đurđa Žužić  sind.o.o."},
        {F::PayerName, u"a=b@c", u"abc"},
        {F::Description, u"Račun (QWXY) 1/2: ok? + 'x' - kraj.!", u"Račun (QWXY) 1/2: ok? + 'x' - kraj."},
        {F::Description, u"äöü€ß\t\n", u""},
        {F::RecipientIban, u"hr12 1001 0051 8630 0016 0", u"HR1210010051863000160"},
        {F::RecipientModel, u"hr01x", u"HR01"},
        {F::RecipientReference, u"12 34-5a/6", u"1234-56"},
        {F::PurposeCode, u"co5st", u"COST"},
        {F::Amount, u"1.234,56 EUR", u"1.234,56"},
        {F::ExecutionDate, u"15.01.2026", u"15012026"},
        {F::Urgent, u"x1", u"1"},
        {F::PayerName, u"123456789012345678901234567890X", u"123456789012345678901234567890"},
        {F::RecipientName, u"ČČČČČČČČČČČČČČČČČČČČČČČČČČ", u"ČČČČČČČČČČČČČČČČČČČČČČČČČ"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(cleanHub3aText(c.field, QString::fromUtf16(c.typed)), QString::fromUtf16(c.kept))
            << hub3aField(c.field).key;
}

TEST(Hub3aRecord, SetStoresExactlyAndSetFittedSaysWhatFittingChanged)
{
    using F = Hub3aField;
    const struct
    {
        F field;
        QString text, kept, change;
    } cases[] = {
        {F::RecipientName, u"A & B d.o.o."_s, u"A  B d.o.o."_s,
         u"naziv primatelja: izostavljeni znakovi &"_s},
        {F::RecipientName, QString(70, u'x'), QString(25, u'x'),
         u"naziv primatelja: skraćeno na 25 znakova"_s},
        {F::PayerName, u"Ana;Bob"_s, u"AnaBob"_s, u"naziv platitelja: izostavljeni znakovi ;"_s},
        {F::PurposeCode, u"othr"_s, u"OTHR"_s, QString()}, // raised, not changed
        {F::Description, u"Račun 1/2"_s, u"Račun 1/2"_s, QString()},
    };
    for (const auto &c : cases) {
        Hub3aRecord exact;
        exact.set(c.field, c.text);
        EXPECT_EQ(exact[c.field], c.text);
        Hub3aRecord fitted;
        EXPECT_EQ(fitted.setFitted(c.field, c.text), c.change) << c.text.toStdString();
        EXPECT_EQ(fitted[c.field], c.kept);
    }
}

TEST(Hub3aFields, LengthsFollowTheFormsCells)
{
    // The recipient's IBAN holds any country's for a bank order; its 21 cells refuse a longer one
    // (hub3aSlipIbanProblem).
    const int expected[] = {30, 27, 27, 25, 25, 27, 21, 4, 22, 34, 4, 22, 4, 35, 20, 8, 1};
    for (int i = 0; i < hub3aFieldCount; ++i) {
        EXPECT_EQ(hub3aFields()[static_cast<size_t>(i)].maxLength, expected[i]) << i;
        EXPECT_EQ(static_cast<int>(hub3aFields()[static_cast<size_t>(i)].field), i);
    }
}

TEST(Hub3aPayload, HoldsTheFourteenFieldsEachEndedByLf)
{
    EXPECT_EQ(hub3aPayloadText(fullHub3aRecord()),
              u"HRVHUB30\nEUR\n000000000123456\nIvana Horvat\nIlica 1\n"
              u"10000 Zagreb\nUdruga Šapica\nFranjčevićeva 43\n10361 Dumovec\n"
              u"HR1210010051863000160\nHR00\n2024-0815\nOTHR\n"
              u"Donacija za hranu i lijekove\n"_s);
    // An empty recipient's model is HR99, the model of a payment without a reference.
    EXPECT_EQ(hub3aPayloadText(Hub3aRecord()),
              u"HRVHUB30\nEUR\n000000000000000\n\n\n\n\n\n\n\nHR99\n\n\n\n"_s);
}

TEST(Hub3aPayload, AmountIsFifteenDigitsOfCents)
{
    const struct
    {
        const char16_t *amount;
        const char *line;
    } cases[] = {{u"123,55", "000000000012355"},
                 {u"0,01", "000000000000001"},
                 {u"9.999.999.999.999,99", "999999999999999"}};
    for (const auto &c : cases) {
        const auto bytes =
            hub3aPayloadBytes(hub3aRecordOf({{Hub3aField::Amount, QString::fromUtf16(c.amount)}}));
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(bytes->split('\n')[2], c.line);
    }
    EXPECT_FALSE(hub3aPayloadBytes(hub3aRecordOf({{Hub3aField::Amount, u"12.34"_s}})).has_value());
}

TEST(Hub3aPayload, CarriesUtf8WithoutAnyCharacterSetMarker)
{
    const auto bytes = hub3aPayloadBytes(hub3aRecordOf({{Hub3aField::Description, u"č Đ"_s}}));
    ASSERT_TRUE(bytes.has_value());
    EXPECT_TRUE(bytes->startsWith("HRVHUB30\nEUR\n"));
    EXPECT_TRUE(bytes->endsWith("\n\xC4\x8D \xC4\x90\n"));
}

TEST(Hub3aPayload, LeavesPrintedOnlyFieldsOut)
{
    const QString text = *hub3aPayloadText(fullHub3aRecord());
    for (const char16_t *printedOnly : {u"HR7023400091510946338", u"102-3057-89016", u"15012026", u"HR01"})
        EXPECT_FALSE(text.contains(QString::fromUtf16(printedOnly)))
            << QString::fromUtf16(printedOnly).toStdString();
}

TEST(Hub3aSlipFile, WritesTagAndSeventeenFieldsInWindows1250WithCrLf)
{
    const QByteArray bytes = SlipFile::toBytes(fullHub3aRecord());
    EXPECT_TRUE(bytes.startsWith("TIP=HUB3A\r\nIvana Horvat\r\nIlica 1\r\n10000 Zagreb\r\nUdruga \x8A"
                                 "apica\r\nFranj\xE8"
                                 "evi\xE6"
                                 "eva 43\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\nOTHR\r\nDonacija za hranu i lijekove\r\n1.234,56\r\n15012026\r\n1\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 18);
    EXPECT_EQ(bytes, testDataBytes("hub3a/full.txt"));
}

TEST(Hub3aSlipFile, RoundTripsTheTestFiles)
{
    for (const char *name : {"hub3a/empty.txt", "hub3a/full.txt", "hub3a/limits.txt"}) {
        const QByteArray bytes = testDataBytes(name);
        const auto record = SlipFile::hub3aFromBytes(bytes);
        ASSERT_TRUE(record.has_value()) << name;
        EXPECT_EQ(SlipFile::toBytes(*record), bytes) << name;
    }
}

TEST(Hub3aSlipFile, TagsDecideTheKind)
{
    const QByteArray hub3a = SlipFile::toBytes(fullHub3aRecord());
    EXPECT_TRUE(SlipFile::hub3aFromBytes("tip=hub3a\n").has_value());
    EXPECT_FALSE(SlipFile::fromBytes(hub3a).has_value());
    EXPECT_FALSE(SlipFile::hub3aFromBytes("TIP=UPLATNICA\r\n10000\r\n").has_value());
    EXPECT_FALSE(SlipFile::hub3aFromBytes("TIP=HUB3\r\n").has_value());
    EXPECT_FALSE(SlipFile::hub3aFromBytes("").has_value());
}

TEST(Hub3aSlipFile, ReadingKeepsEachFieldAsTheFileHasIt)
{
    const auto record = SlipFile::hub3aFromBytes("TIP=HUB3A\nAna & Ivo\n\n\n\n\n\nhr70 2340 0091 5109 46338\n"
                                                 "\n\n\n\n\n\n\n\n\nda\n");
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ((*record)[Hub3aField::PayerName], u"Ana & Ivo"_s);
    EXPECT_EQ((*record)[Hub3aField::PayerIban], u"hr70 2340 0091 5109 46338"_s);
    EXPECT_FALSE(record->urgent());
    EXPECT_TRUE(fullHub3aRecord().urgent());
}

} // namespace
