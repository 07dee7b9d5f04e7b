#include "WindowFixture.h"

namespace {

SlipRecord filled(SlipKind kind)
{
    SlipRecord record{kind, {}};
    const SlipFieldTable &table = slipFields(kind);
    for (size_t i = 0; i < table.size(); ++i) {
        const FieldSpec &fieldRow = table[i];
        record.texts[i] = fieldRow.kind == FieldKind::DigitBox
                              ? QString(fieldRow.length, u'7')
                              : QStringLiteral("%1 tekst").arg(fieldRow.name());
    }
    return record;
}

class ClearAndNew : public WindowFixture
{
protected:
    void fillBoth()
    {
        window->fields().setRecord(filled(SlipKind::Uplatnica));
        window->fields().setRecord(filled(SlipKind::Zorvat));
    }
    SlipRecord record(SlipKind kind) const { return window->fields().record(kind); }
};

TEST_F(ClearAndNew, ObrisiPoljaOnUplatnicaEmptiesOnlyItsFields)
{
    fillBoth();
    click("Button1");
    EXPECT_EQ(record(SlipKind::Uplatnica).texts, SlipRecord::blank(SlipKind::Uplatnica).texts);
    EXPECT_EQ(record(SlipKind::Zorvat).texts, filled(SlipKind::Zorvat).texts);
}

TEST_F(ClearAndNew, ObrisiPoljaOnZorvatKeepsThePlaceAndDate)
{
    fillBoth();
    click("Button4");
    EXPECT_EQ(record(SlipKind::Zorvat).texts, SlipRecord::blank(SlipKind::Zorvat).texts);
    EXPECT_EQ(record(SlipKind::Uplatnica).texts, filled(SlipKind::Uplatnica).texts);
    EXPECT_EQ(window->zorvatData().place, QStringLiteral("place tekst"));
}

TEST_F(ClearAndNew, NovoClearsLoadsTheDefaultsAndShowsTheTab)
{
    store.WriteSetting(QStringLiteral("DefZorUplatitelj"), QStringLiteral("Firma d.o.o.\r\nIlica 1"));
    store.WriteSetting(QStringLiteral("ZorSif2"), QStringLiteral("12"));
    store.WriteSetting(QStringLiteral("DefUplatitelj"), QStringLiteral("Ivan Horvat"));
    fillBoth();

    trigger("Zorvat1");
    SlipRecord expected = SlipRecord::blank(SlipKind::Zorvat);
    expected.texts[0] = QStringLiteral("Firma d.o.o.\r\nIlica 1");
    expected.texts[12] = QStringLiteral(" 12");
    EXPECT_EQ(record(SlipKind::Zorvat).texts, expected.texts);
    EXPECT_EQ(window->activeKind(), FormKind::Zorvat);
    EXPECT_EQ(record(SlipKind::Uplatnica).texts, filled(SlipKind::Uplatnica).texts);

    trigger("Uplatnica1");
    EXPECT_EQ(text("Memo1"), QStringLiteral("Ivan Horvat"));
    EXPECT_EQ(text("Edit3"), QString());
    EXPECT_EQ(window->activeKind(), FormKind::Uplatnica);
}

} // namespace
