#include "payments/ReferenceCheck.h"
#include "payments/ReferenceModels.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Case
{
    const char16_t *model;
    const char16_t *reference;
    const char16_t *message; // the message of an invalid reference; null for a valid one
};

void expectCases(std::initializer_list<Case> cases)
{
    for (const Case &c : cases) {
        const QString model = QString::fromUtf16(c.model);
        const QString reference = QString::fromUtf16(c.reference);
        const CheckResult result = checkReference(model, reference);
        const std::string label = (model + u' ' + reference).toStdString();
        EXPECT_EQ(result.status, c.message ? CheckStatus::Invalid : CheckStatus::Valid) << label;
        if (c.message) {
            EXPECT_EQ(result.message, QString::fromUtf16(c.message)) << label;
        }
    }
}

TEST(CheckReference, AcceptsTheWorkedExamplesOfTheModelRules)
{
    expectCases({
        {u"HR01", u"102-3057-89016", nullptr}, {u"HR01", u"10230578-9016", nullptr},
        {u"HR01", u"10-2305789016", nullptr},  {u"HR01", u"10-230578901-6", nullptr},
        {u"HR02", u"1023-5789010", nullptr},   {u"HR02", u"578901-10235", nullptr},
        {u"HR02", u"1023-5789-9016", nullptr}, {u"HR02", u"1023-57894-19", nullptr},
        {u"HR06", u"102-3057-89015", nullptr}, {u"HR06", u"102-30-5789015", nullptr},
        {u"HR06", u"102-30578-9015", nullptr}, {u"HR06", u"102-30578901-5", nullptr},
        {u"HR06", u"102305-789011", nullptr},  {u"HR06", u"102-305789015", nullptr},
        {u"HR06", u"10230578-9016", nullptr},  {u"HR12", u"2004940339319", nullptr},
        {u"HR13", u"3456789012", nullptr},     {u"HR14", u"2233445568", nullptr},
        {u"HR03", u"334445556669", nullptr},   {u"HR17", u"2340009", nullptr},
        {u"HR40", u"05437039538-12", nullptr},
    });
}

TEST(CheckReference, NamesTheRightCheckDigitOfAWrongReference)
{
    expectCases({
        {u"HR01", u"102-3057-89017", u"kontrolni broj treba biti 6"},
        {u"HR01", u"7269-68949637676-00019", u"kontrolni broj treba biti 8"},
        {u"HR02", u"1023-5789011", u"P2: kontrolni broj treba biti 0"},
        {u"HR02", u"1023-5789010-18", u"P3: kontrolni broj treba biti 9"},
        {u"HR06", u"102-3057-89016", u"P3: kontrolni broj treba biti 5"},
        {u"HR08", u"10-2305789017-19", u"P2: kontrolni broj treba biti 6"},
        {u"HR08", u"10-2305789016-18", u"P3: kontrolni broj treba biti 9"},
        {u"HR12", u"2004940339318", u"P1: kontrolni broj treba biti 9"},
        {u"HR12", u"1111111111111", u"P1: sve znamenke su iste"},
        {u"HR13", u"3456789013", u"P1: kontrolni broj treba biti 2"},
        {u"HR13", u"4456789012", u"P1 mora počinjati znamenkom 3"},
        {u"HR14", u"2233445567", u"P1: kontrolni broj treba biti 8"},
        {u"HR15", u"43703958-79927398714", u"P2: kontrolni broj treba biti 3"},
        {u"HR17", u"2340008", u"P1: kontrolni broj treba biti 9"},
        {u"HR40", u"05437039548", u"P1: prvi kontrolni broj treba biti 3"},
        {u"HR40", u"05437039539", u"P1: drugi kontrolni broj treba biti 8"},
        {u"HR40", u"01114567800", u"P1: tri iste znamenke zaredom"},
        {u"HR42", u"200494-0339-318", u"kontrolni broj treba biti 9"},
        {u"HR68", u"8215-12345678903", u"P1: kontrolni broj treba biti 4"},
        {u"HR68", u"8214-12345678901", u"P2: kontrolni broj treba biti 3"},
    });
}

TEST(CheckReference, AppliesEachModelsLengthsCountsAndMethods)
{
    expectCases({
        {u"HR15", u"43703958-79927398713", nullptr},
        {u"HR16", u"12343-1236-12345678", nullptr},
        {u"HR16", u"12343-1236", u"model HR16 traži 3 podatka"},
        {u"HR19", u"19-12345678903", nullptr},
        {u"HR23", u"6009-1-2-3", nullptr},
        {u"HR23", u"5006-1", u"P1 mora počinjati znamenkom 6"},
        {u"HR24", u"6009-1234567890123", nullptr},
        {u"HR25", u"123-1234567", nullptr},
        {u"HR26", u"8214-12345678903-19-77", nullptr},
        {u"HR26", u"8214-19", u"model HR26 traži najmanje 3 podatka"},
        {u"HR28", u"8214-123-123455", u"P2: kontrolni broj treba biti 4"},
        {u"HR30", u"123456789-1234-1", u"P1 mora imati 10 znamenaka"},
        {u"HR34", u"19-19-01", u"P3 ne smije počinjati nulom"},
        {u"HR43", u"123-12345679-12345", u"model HR43 traži 4 podatka"},
        {u"HR43", u"123-12345679-12345-123", nullptr},
        {u"HR64", u"8214-19-1234567", nullptr},
        {u"HR64", u"8214-19-12345678901", u"P3: kontrolni broj treba biti 3"},
        {u"HR65", u"8214-123-123455", u"P2: kontrolni broj treba biti 4"},
        {u"HR65", u"8214-124-19", nullptr},
        {u"HR65", u"8214-124-123455", nullptr},
        {u"HR67", u"12345678903-1", nullptr},
        {u"HR68", u"8214-12345678903", nullptr},
        {u"HR68", u"8214", u"model HR68 traži najmanje 2 podatka"},
        {u"HR69", u"40002-12345678903-100", nullptr},
        {u"HR83", u"8214-02345-123456", nullptr},
        {u"HR83", u"8214-123456", u"P2 mora imati 5, 7 ili 16 znamenaka"},
        {u"HR83", u"8214-52345", u"P2 mora počinjati znamenkom 0 ili 3"},
        {u"HR84", u"8214-1234-1234567890", nullptr},
    });
}

TEST(CheckReference, HoldsTheGeneralRulesOfEveryModel)
{
    expectCases({
        {u"HR99", u"", nullptr},
        {u"HR99", u"1", u"uz model HR99 poziv na broj ostaje prazan"},
        {u"HR00", u"1234567890123", u"P1 ima najviše 12 znamenaka"},
        {u"HR00", u"1-2-3-4", u"model HR00 ima najviše 3 podatka"},
        {u"HR00", u"12AB", u"poziv na broj ima samo znamenke i crtice"},
        {u"HR00", u"12 34", u"poziv na broj ima samo znamenke i crtice"},
        {u"HR00", u"1-2-", u"podatak između crtica ne smije biti prazan"},
        {u"HR00", u"12345678901-12345678901", u"poziv na broj ima najviše 22 znaka"},
        {u"HR00", u"123456789012-123456789", nullptr},
        {u"HR01", u"", u"upišite poziv na broj (bez njega model je HR99)"},
        {u"", u"12345", u"upišite model poziva na broj"},
        {u"HR20", u"12345", u"model HR20 ne postoji"},
        {u"HRX1", u"12345", u"model je HR i dvije znamenke, od HR00 do HR99"},
        {u"123", u"12345", u"model je HR i dvije znamenke, od HR00 do HR99"},
    });
    EXPECT_EQ(checkReference(QString(), u"  "_s).status, CheckStatus::Empty);
}

TEST(CheckReference, ReadsTheModelAsTheFormsWriteIt)
{
    for (const char16_t *model : {u" 01", u"01", u"1", u"HR01", u"hr 01", u"1 "}) {
        EXPECT_EQ(parseModel(QString::fromUtf16(model)), 1) << QString::fromUtf16(model).toStdString();
        EXPECT_EQ(checkReference(QString::fromUtf16(model), u"102-3057-89016"_s).status, CheckStatus::Valid);
    }
}

TEST(CheckReference, KnowsEveryModelOfBothTablesAndNoOther)
{
    const int listed[] = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15,
                          16, 17, 18, 19, 23, 24, 25, 26, 27, 28, 29, 30, 31, 33, 34, 35,
                          40, 41, 42, 43, 50, 55, 62, 63, 64, 65, 67, 68, 69, 83, 84, 99};
    int found = 0;
    for (int number = 0; number < 100; ++number) {
        if (const ModelRule *rule = findModelRule(number)) {
            ++found;
            EXPECT_NE(std::find(std::begin(listed), std::end(listed), number), std::end(listed)) << number;
            EXPECT_LE(rule->minElements, rule->maxElements) << number;
        }
    }
    EXPECT_EQ(found, static_cast<int>(std::size(listed)));
}

} // namespace
