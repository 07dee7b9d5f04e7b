#include "LineBox.h"
#include "QtPrinters.h"
#include "TypeText.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(LineBox, TypingStopsAtTheLimit)
{
    LineBox box;
    box.setTypingLimit(18);
    QTest::keyClicks(&box, QStringLiteral("12345678901234567890"));
    EXPECT_EQ(box.fieldText(), QStringLiteral("123456789012345678"));

    QApplication::clipboard()->setText(QStringLiteral("99"));
    box.setCursorPosition(0);
    box.paste();
    EXPECT_EQ(box.fieldText(), QStringLiteral("123456789012345678"));
}

TEST(LineBox, KeepsALongerValueSetByTheProgramAndLetsItShrink)
{
    LineBox box;
    box.setTypingLimit(18);
    const QString longer = QStringLiteral("2360000-11012345678");
    box.setFieldText(longer);
    EXPECT_EQ(box.fieldText(), longer);

    QTest::keyClicks(&box, QStringLiteral("9"));
    EXPECT_EQ(box.fieldText(), longer);

    QTest::keyClick(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.fieldText(), longer.left(18));
    QTest::keyClicks(&box, QStringLiteral("9"));
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
    typeText(&box, QStringLiteral("Šžж中ć"));
    EXPECT_EQ(box.fieldText(), QStringLiteral("Šžć"));
    EXPECT_EQ(box.cursorPosition(), 3);

    box.setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("Ω1😀2"));
    box.paste();
    EXPECT_EQ(box.fieldText(), QStringLiteral("Š12žć"));
    EXPECT_EQ(box.cursorPosition(), 3);
}

} // namespace
