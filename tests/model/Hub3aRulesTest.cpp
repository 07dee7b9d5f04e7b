#include "model/Hub3aRules.h"
#include "model/SlipFile.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using F = Hub3aField;

TEST(Hub3aRules, EachFieldTakesItsTextAsItIsOrSaysWhy)
{
    const struct
    {
        F field;
        const char16_t *text;
        const char16_t *problem; // empty when the text fits
    } cases[] = {
        {F::PayerName, u"Ivan Horvat", u""},
        {F::PayerName, u"Ivan_Horvat@firma.hr & Co", u"Nedopušteni znakovi: _@&"},
        {F::PayerName, u"123456789012345678901234567890X", u"Dulje od 30 znakova"},
        {F::RecipientName, u"A\nB", u"Polje ima više redaka"},
        {F::RecipientReference, u"12345678901234567890123", u"Dulje od 22 znakova"},
        {F::RecipientIban, u"hr1210010051863000160", u"Nedopušteni znakovi: hr"},
        {F::Amount, u"2O,00", u"Iznos nije iznos u eurima u obliku 1.234,56"},
        {F::Amount, u"-1,00", u"Iznos nije iznos u eurima u obliku 1.234,56"},
        {F::Amount, u"(150,00)", u"Iznos nije iznos u eurima u obliku 1.234,56"},
        {F::Amount, u"1.000.000.000.000,005", u"Iznos nije iznos u eurima u obliku 1.234,56"},
        {F::Amount, u"12.34", u"Iznos nije iznos u eurima u obliku 1.234,56"},
        {F::Amount, u"9.999.999.999.999,99", u""},
        {F::RecipientModel, u"01", u"Model je HR i dvije znamenke (HR01)"},
        {F::RecipientModel, u"HR01", u""},
        {F::ExecutionDate, u"31022026", u"Datum izvršenja nije datum u obliku DDMMGGGG"},
        {F::ExecutionDate, u"28022026", u""},
        {F::Urgent, u"da", u"Hitno je 1 ili prazno"},
        {F::Description, u"", u""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(hub3aFieldProblem(c.field, QString::fromUtf16(c.text)), QString::fromUtf16(c.problem))
            << hub3aField(c.field).key << ' ' << QString::fromUtf16(c.text).toStdString();
}

TEST(Hub3aRules, RecipientNameIbanAndAnAmountAreRequired)
{
    Hub3aRecord record;
    EXPECT_EQ(hub3aMissingFields(record).size(), 3);
    record.set(F::RecipientName, u"Udruga"_s);
    record.set(F::RecipientIban, u"HR1210010051863000160"_s);
    record.set(F::Amount, u"0,00"_s);
    const QList<Hub3aProblem> zero = hub3aMissingFields(record);
    ASSERT_EQ(zero.size(), 1);
    EXPECT_EQ(zero[0].field, F::Amount);
    record.set(F::Amount, u"0,01"_s);
    EXPECT_TRUE(hub3aMissingFields(record).isEmpty());
}

TEST(Hub3aRules, ModelDigitsAndKeypadDecimalsAreReadAsMeant)
{
    const std::pair<const char16_t *, const char16_t *> models[] = {
        {u"01", u"HR01"},   {u"1", u"HR01"}, {u"HR1", u"HR01"}, {u"hr05", u"HR05"},
        {u"HR01", u"HR01"}, {u"", u""},      {u"H1", u"H1"},    {u"123", u"123"},
    };
    for (const auto &[typed, model] : models)
        EXPECT_EQ(completedHub3aModel(QString::fromUtf16(typed)), QString::fromUtf16(model));
    const std::pair<const char16_t *, const char16_t *> amounts[] = {
        {u"12.34", u"12,34"},       {u"12.3", u"12,3"}, {u"1.234", u"1.234"},
        {u"1.234,56", u"1.234,56"}, {u"7", u"7"},
    };
    for (const auto &[typed, amount] : amounts)
        EXPECT_EQ(typedHub3aAmount(QString::fromUtf16(typed)), QString::fromUtf16(amount));
}

TEST(Hub3aRules, AFileThatBreaksTheRulesLoadsAsItIsAndSavesBackTheSame)
{
    const QByteArray bytes =
        "TIP=HUB3A\r\nIvana Horvat Kovacevic-Simunovic d.o.o.\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
        "\r\n\r\n\r\n\r\n\r\n\r\n\r\n2O,00\r\n\r\n\r\n"_ba;
    const std::optional<Hub3aRecord> record = SlipFile::hub3aFromBytes(bytes);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(SlipFile::toBytes(*record), bytes);
    const QList<Hub3aProblem> problems = hub3aFieldProblems(*record);
    ASSERT_EQ(problems.size(), 2);
    EXPECT_EQ(problems[0].field, F::PayerName);
    EXPECT_EQ(problems[1].field, F::Amount);
    EXPECT_EQ(hub3aProblemsText(problems),
              u"naziv platitelja: Dulje od 30 znakova\niznos: Iznos nije iznos u eurima u obliku 1.234,56"_s);
}

} // namespace
