#include "bankfile/RefusedSlip.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using F = Hub3aField;

// What a refused order's slip cannot take as the answer gives it is left out or fitted, and said in
// the order's notes; what it takes as it is leaves no note.
TEST(RefusedSlip, TextTheSlipCannotTakeAsGivenIsNoted)
{
    const struct
    {
        const char *path;
        QString currency, text;
        F field;
        QString kept;
        const char *note; // a part of the note, or nullptr for none
    } cases[] = {
        {"Cdtr/Nm", {}, u"Ana;Bob"_s, F::RecipientName, u"AnaBob"_s, "izostavljeni znakovi ;"},
        {"Cdtr/Nm", {}, u"Ana Bob"_s, F::RecipientName, u"Ana Bob"_s, nullptr},
        {"Dbtr/Nm", {}, QString(70, u'A'), F::PayerName, QString(30, u'A'), "skraćeno na 30 znakova"},
        {"Amt/InstdAmt", u"USD"_s, u"10.00"_s, F::Amount, QString(), "USD 10.00 nije u eurima"},
        {"Amt/InstdAmt", u"EUR"_s, u"NaN"_s, F::Amount, QString(), "'NaN' nije iznos"},
        {"Amt/InstdAmt", u"EUR"_s, u"10.00"_s, F::Amount, u"10,00"_s, nullptr},
        {"RmtInf/Strd/CdtrRefInf/Ref",
         {},
         u"RF18 5390"_s,
         F::RecipientReference,
         u"185390"_s,
         "izostavljeni znakovi RF "},
    };
    for (const auto &c : cases) {
        Pain002::RefusedOrder order;
        order.currency = c.currency;
        Pain002::takeOriginalText(order, QString::fromLatin1(c.path), c.text);
        EXPECT_EQ(order.slip[c.field], c.kept) << c.path << " " << c.text.toStdString();
        if (c.note) {
            ASSERT_EQ(order.notes.size(), 1) << c.path;
            EXPECT_TRUE(order.notes[0].contains(QString::fromUtf8(c.note))) << order.notes[0].toStdString();
        } else {
            EXPECT_TRUE(order.notes.isEmpty()) << order.notes.join(u'|').toStdString();
        }
    }
}

} // namespace
