#include "partners/PartnerTextValidator.h"
#include "QtPrinters.h"
#include "ui/TextFilter.h"

#include <QLineEdit>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PartnerTextValidator, KeepsWhatAnEntryAndItsFileLineCanHold)
{
    const struct
    {
        const char *what;
        QString typed, kept;
    } cases[] = {
        {"Croatian letters and the euro sign", u"Čačak Đ š ž €"_s, u"Čačak Đ š ž €"_s},
        {"the entry separator", u"a\bb"_s, u"ab"_s},
        {"the file's line mark and NUL", QString::fromUtf16(u"a\x0B\0b", 4), u"ab"_s},
        {"tab and escape", u"a\tb\x1B"_s, u"ab"_s},
        {"line breaks of a memo name", u"Ivan\r\nZagreb"_s, u"Ivan\r\nZagreb"_s},
        {"letters outside Windows-1250", u"a\u4E2Db\u00E6"_s, u"ab"_s},
        {"a character outside the basic plane", QString::fromUtf16(u"a\U0001F600b"), u"ab"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(encodableWithoutControls(c.typed), c.kept) << c.what;
}

TEST(PartnerTextValidator, LineFieldDropsRefusedCharactersAndKeepsTheCursorInPlace)
{
    QLineEdit field;
    field.setValidator(new PartnerTextValidator(&field));
    field.setText(u"Ana Babić"_s);
    field.setCursorPosition(4);
    field.insert(u"\x08\u4E2DX"_s);
    EXPECT_EQ(field.text(), u"Ana XBabić"_s);
    EXPECT_EQ(field.cursorPosition(), 5);
}

} // namespace
