#include "payments/AccountCheck.h"
#include "payments/CreditorReference.h"
#include "payments/Iban.h"
#include "payments/Oib.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Case
{
    const char16_t *text;
    CheckStatus status;
    const char16_t *message;
    const char16_t *iban;
};

void expectResult(const CheckResult &result, const Case &c)
{
    const QString text = QString::fromUtf16(c.text);
    EXPECT_EQ(result.status, c.status) << text.toStdString();
    EXPECT_EQ(result.message, QString::fromUtf16(c.message)) << text.toStdString();
    EXPECT_EQ(result.iban, QString::fromUtf16(c.iban)) << text.toStdString();
}

TEST(CheckAccount, JudgesIbansByLengthAndCheckDigits)
{
    using enum CheckStatus;
    const Case cases[] = {
        {u"HR1210010051863000160", Valid, u"IBAN je ispravan", u"HR1210010051863000160"},
        {u"HR7023400091510946338", Valid, u"IBAN je ispravan", u"HR7023400091510946338"},
        {u"HR12 1001 0051 8630 0016 0", Valid, u"IBAN je ispravan", u"HR1210010051863000160"},
        {u"hr1210010051863000160", Valid, u"IBAN je ispravan", u"HR1210010051863000160"},
        {u"DE89370400440532013000", Valid, u"IBAN je ispravan", u"DE89370400440532013000"},
        {u"GB82 WEST 1234 5698 7654 32", Valid, u"IBAN je ispravan", u"GB82WEST12345698765432"},
        {u"HR1210010051863000161", Invalid, u"kontrolni broj treba biti 82", u""},
        {u"HR1234567890123456789", Invalid, u"kontrolni broj treba biti 72", u""},
        {u"HR5041240000000000", Invalid, u"hrvatski IBAN ima 21 znak, ovaj ima 18", u""},
        {u"HR121001005186300016A", Invalid, u"hrvatski IBAN iza HR ima samo znamenke", u""},
        {u"AT61 1904 3002 3457 3201", Valid, u"IBAN je ispravan", u"AT611904300234573201"},
        {u"MT84MALT011000012345MTLCAST001S", Valid, u"IBAN je ispravan", u"MT84MALT011000012345MTLCAST001S"},
        {u"LC55HEMM000100010012001200023015", Valid, u"IBAN je ispravan", u"LC55HEMM000100010012001200023015"},
        {u"DE8937040044053201300", Invalid, u"IBAN države DE ima 22 znakova, ovaj ima 21", u""},
        {u"DE893704004405320130000", Invalid, u"IBAN države DE ima 22 znakova, ovaj ima 23", u""},
        {u"DE88370400440532013000", Invalid, u"kontrolni broj treba biti 89", u""},
        {u"XK8937040044", Invalid, u"IBAN ima od 15 do 34 znaka, ovaj ima 12", u""},
        {u"HRAB10010051863000160", Invalid, u"IBAN počinje oznakom države i dvama kontrolnim brojevima", u""},
        {u"HR12-1001-0051", Invalid, u"IBAN smije imati samo slova i znamenke", u""},
        {u"  ", Empty, u"", u""},
    };
    for (const Case &c : cases)
        expectResult(checkAccount(QString::fromUtf16(c.text)), c);
}

TEST(CheckAccount, GivesTheIbanOfAnOldFormAccountAndNamesAWrongCheckDigit)
{
    using enum CheckStatus;
    const Case cases[] = {
        {u"1001005-1863000160", Valid, u"IBAN: HR12 1001 0051 8630 0016 0", u"HR1210010051863000160"},
        {u"2340009-1510946338", Valid, u"IBAN: HR70 2340 0091 5109 4633 8", u"HR7023400091510946338"},
        {u" 1001005-1863000160 ", Valid, u"IBAN: HR12 1001 0051 8630 0016 0", u"HR1210010051863000160"},
        {u"1001006-1863000160", Invalid, u"kontrolni broj banke treba biti 5", u""},
        {u"1001005-1863000161", Invalid, u"kontrolni broj računa treba biti 0", u""},
        {u"30101-601-25434", Unchecked, u"nepoznat oblik računa, nije provjeren", u""},
        {u"1001005-18630", Unchecked, u"nepoznat oblik računa, nije provjeren", u""},
    };
    for (const Case &c : cases)
        expectResult(checkAccount(QString::fromUtf16(c.text)), c);
}

TEST(CheckAccount, GroupsAnIbanInFours)
{
    EXPECT_EQ(groupIban(u"HR1210010051863000160"_s), u"HR12 1001 0051 8630 0016 0"_s);
    EXPECT_EQ(ibanFromBban(u"10010051863000160"_s), u"HR1210010051863000160"_s);
}

TEST(CheckCreditorReference, TakesRfWithItsMod97CheckDigits)
{
    using enum CheckStatus;
    const Case cases[] = {
        {u"RF18539007547034", Valid, u"RF18539007547034", u""},
        {u"rf18 5390 0754 7034", Valid, u"RF18539007547034", u""},
        {u"RF712348231", Valid, u"RF712348231", u""},
        {u"RF19539007547034", Invalid, u"kontrolni broj reference treba biti 18", u""},
        {u"RF18", Invalid, u"referenca RF ima RF, dva kontrolna broja i do 21 slova ili znamenke", u""},
        {u"RF18-5390", Invalid, u"referenca RF ima RF, dva kontrolna broja i do 21 slova ili znamenke", u""},
        {u"RF045390075470345390075470", Invalid,
         u"referenca RF ima RF, dva kontrolna broja i do 21 slova ili znamenke", u""},
        {u"HR18539007547034", Invalid, u"referenca RF ima RF, dva kontrolna broja i do 21 slova ili znamenke", u""},
        {u" ", Empty, u"", u""},
    };
    for (const Case &c : cases)
        expectResult(checkCreditorReference(QString::fromUtf16(c.text)), c);
}

TEST(CheckOib, WantsElevenDigitsWithTheIsoCheckDigit)
{
    using enum CheckStatus;
    const Case cases[] = {
        {u"12345678903", Valid, u"OIB je ispravan", u""},
        {u"12345678901", Invalid, u"kontrolni broj treba biti 3", u""},
        {u"1234567890", Invalid, u"OIB ima 11 znamenaka", u""},
        {u"1234567890A", Invalid, u"OIB ima 11 znamenaka", u""},
        {u"", Empty, u"", u""},
    };
    for (const Case &c : cases)
        expectResult(checkOib(QString::fromUtf16(c.text)), c);
}

} // namespace
