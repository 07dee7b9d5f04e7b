#include "SlipRecordOf.h"
#include "WindowFixture.h"

namespace {

using namespace Qt::StringLiterals;

SlipRecord filled(SlipKind kind)
{
    SlipRecord record{kind, {}};
    const SlipFieldTable &table = slipFields(kind);
    for (size_t i = 0; i < table.size(); ++i) {
        const FieldSpec &fieldRow = table[i];
        record.texts[i] = fieldRow.kind == FieldKind::DigitBox ? QString(fieldRow.length, u'7')
                                                               : u"%1 tekst"_s.arg(fieldRow.name());
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
};

// "Obriši polja" on each tab; the transfer order's keeps the place and date.
TEST_F(ClearAndNew, ObrisiPoljaEmptiesOnlyTheFieldsOfItsTab)
{
    const struct
    {
        const char *button;
        SlipKind cleared, kept;
    } cases[] = {{"Button1", SlipKind::Uplatnica, SlipKind::Zorvat},
                 {"Button4", SlipKind::Zorvat, SlipKind::Uplatnica}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.button);
        fillBoth();
        click(c.button);
        EXPECT_EQ(texts(c.cleared), SlipRecord::blank(c.cleared).texts);
        EXPECT_EQ(texts(c.kept), filled(c.kept).texts);
        if (c.cleared == SlipKind::Zorvat) {
            EXPECT_EQ(window->zorvatData().place, u"place tekst"_s);
        }
    }
}

TEST_F(ClearAndNew, NovoClearsLoadsTheDefaultsAndShowsTheTab)
{
    store.WriteSetting(u"DefZorUplatitelj"_s, u"Firma d.o.o.\r\nIlica 1"_s);
    store.WriteSetting(u"ZorSif2"_s, u"12"_s);
    store.WriteSetting(u"DefUplatitelj"_s, u"Ivan Horvat"_s);
    fillBoth();

    trigger("Zorvat1");
    const SlipRecord expected =
        slipRecordOf(SlipKind::Zorvat, {{"payer", u"Firma d.o.o.\r\nIlica 1"_s}, {"code2", u" 12"_s}});
    EXPECT_EQ(texts(SlipKind::Zorvat), expected.texts);
    EXPECT_EQ(window->activeKind(), FormKind::Zorvat);
    EXPECT_EQ(texts(SlipKind::Uplatnica), filled(SlipKind::Uplatnica).texts);

    trigger("Uplatnica1");
    EXPECT_EQ(text("Memo1"), u"Ivan Horvat"_s);
    EXPECT_EQ(text("Edit3"), QString());
    EXPECT_EQ(window->activeKind(), FormKind::Uplatnica);
}

} // namespace
