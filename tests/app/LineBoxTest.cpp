#include "app/LineBox.h"
#include "QtPrinters.h"
#include "TypeText.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

TEST(LineBox, TypingStopsAtTheLimit)
{
    LineBox box;
    box.setTypingLimit(18);
    QSignalSpy said(&box, &LineBox::editCut);
    QTest::keyClicks(&box, u"12345678901234567890"_s);
    EXPECT_EQ(box.fieldText(), u"123456789012345678"_s);
    EXPECT_EQ(said.size(), 0) << "a key that does not fit is no paste cut";
}

TEST(LineBox, APasteIsCutToTheRoomLeftSayingHowMuchWentInAndBreaksAndTabsBecomeSpaces)
{
    const struct
    {
        const char *name;
        const char16_t *start;
        int cursor, selected;
        const char16_t *pasted;
        const char16_t *expected;
        int cursorAfter;
        int kept, inserted; // what editCut says of the paste; 0 and 0 when it was not cut
    } cases[] = {
        {"21 characters into an empty box", u"", 0, 0, u"123456789012345678901", u"123456789012345678", 18,
         18, 21},
        {"into the middle of a text", u"abcdefghijklmnop", 2, 0, u"XYZW", u"abXYcdefghijklmnop", 4, 2, 4},
        {"over a selection", u"abcdefghijklmnop", 0, 3, u"123456", u"12345defghijklmnop", 5, 5, 6},
        {"a line break and a tab", u"", 0, 0, u"Ilica 1\r\nZagreb\tHR", u"Ilica 1 Zagreb HR", 17, 0, 0},
        {"line feeds and a carriage return", u"ab", 1, 0, u"\n\rx\n", u"a  x b", 5, 0, 0},
        {"breaks count after they became spaces", u"1234567890123456", 16, 0, u"\r\n7\n",
         u"1234567890123456 7", 18, 2, 3},
        {"into a full box", u"123456789012345678", 0, 0, u"99", u"123456789012345678", 0, 0, 2},
    };
    for (const auto &c : cases) {
        LineBox box;
        box.setTypingLimit(18);
        box.setFieldText(QString::fromUtf16(c.start));
        box.setCursorPosition(c.cursor);
        if (c.selected > 0)
            box.setSelection(c.cursor, c.selected);
        QSignalSpy said(&box, &LineBox::editCut);
        QApplication::clipboard()->setText(QString::fromUtf16(c.pasted));
        box.paste();
        EXPECT_EQ(box.fieldText(), QString::fromUtf16(c.expected)) << c.name;
        EXPECT_EQ(box.cursorPosition(), c.cursorAfter) << c.name;
        ASSERT_EQ(said.size(), c.inserted > 0 ? 1 : 0) << c.name;
        if (c.inserted > 0) {
            EXPECT_EQ(said[0][1].toInt(), c.kept) << c.name;
            EXPECT_EQ(said[0][2].toInt(), c.inserted) << c.name;
        }
    }
}

TEST(LineBox, KeepsALongerValueSetByTheProgramAndLetsItShrink)
{
    LineBox box;
    box.setTypingLimit(18);
    const QString longer = u"2360000-11012345678"_s;
    box.setFieldText(longer);
    EXPECT_EQ(box.fieldText(), longer);

    QTest::keyClicks(&box, u"9"_s);
    EXPECT_EQ(box.fieldText(), longer);

    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.fieldText(), longer.left(18));
    QTest::keyClicks(&box, u"9"_s);
    EXPECT_EQ(box.fieldText(), longer.left(18));
}

TEST(LineBox, WithoutALimitTakesAnyLength)
{
    LineBox box;
    const QString text(300, u'x');
    QTest::keyClicks(&box, text);
    EXPECT_EQ(box.fieldText(), text);
}

TEST(LineBox, RefusesCharactersWithoutAWindows1250Byte)
{
    LineBox box;
    box.setTypingLimit(18);
    typeText(&box, u"Šžж中ć"_s);
    EXPECT_EQ(box.fieldText(), u"Šžć"_s);
    EXPECT_EQ(box.cursorPosition(), 3);

    box.setCursorPosition(1);
    QApplication::clipboard()->setText(u"Ω1😀2"_s);
    box.paste();
    EXPECT_EQ(box.fieldText(), u"Š12žć"_s);
    EXPECT_EQ(box.cursorPosition(), 3);
}

} // namespace
