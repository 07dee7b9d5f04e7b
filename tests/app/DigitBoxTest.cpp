#include "app/DigitBox.h"
#include "QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Presses keys on a box: '<' is Backspace, '>' Delete, anything else typed as it is.
void pressKeys(DigitBox &box, const char16_t *keys)
{
    for (const QChar key : QString::fromUtf16(keys)) {
        if (key == u'<')
            QTest::keyClick(&box, Qt::Key_Backspace);
        else if (key == u'>')
            QTest::keyClick(&box, Qt::Key_Delete);
        else
            QTest::keyClicks(&box, QString(key));
    }
}

TEST(DigitBox, ProgramSetValuesAreFittedToThePositions)
{
    const struct
    {
        int count;
        bool reverse;
        const char16_t *value;
        const char16_t *expected;
    } cases[] = {
        {3, true, u"7", u"  7"},
        {3, true, u"12345", u"345"},
        {3, true, u"", u"   "},
        {3, true, u"   ", u"   "},
        {3, true, u"1 2", u"1 2"},
        {5, true, u"10000", u"10000"},
        {15, false, u"7", u"7              "},
        {15, false, u"12345678901234567", u"123456789012345"},
        // Nothing checks that a program-set value is digits.
        {5, true, u"abcde", u"abcde"},
        {3, true, u"x1y", u"x1y"},
        {3, true, u"HR01", u"R01"},
        {15, false, u"1234-5678", u"1234-5678      "},
    };
    for (const auto &c : cases) {
        DigitBox box;
        box.setPositions(c.count, c.reverse);
        box.setFieldText(QString::fromUtf16(c.value));
        EXPECT_EQ(box.fieldText(), QString::fromUtf16(c.expected)) << c.count << " " << c.reverse;
    }
}

// Each case starts from a box holding start, puts the cursor (and selection) there and presses keys.
TEST(DigitBox, TypedDigitsStayInTheirPositions)
{
    const struct
    {
        const char *name;
        const char16_t *start;
        int cursor;
        int selected;
        const char16_t *typed; // '<' Backspace, '>' Delete
        const char16_t *expected;
    } cases[] = {
        {"two digits into the first positions", u"   ", 0, 0, u"01", u"01 "},
        {"a digit into the middle", u"   ", 1, 0, u"5", u" 5 "},
        {"letters and signs are refused", u"   ", 0, 0, u"a-,x", u"   "},
        {"nothing past the last position", u"123", 3, 0, u"4", u"123"},
        {"typing overwrites", u"123", 0, 0, u"9", u"923"},
        {"Delete leaves a blank", u"123", 1, 0, u">", u"1 3"},
        {"Backspace leaves a blank", u"123", 3, 0, u"<", u"12 "},
        {"Backspace then a digit", u"123", 2, 0, u"<7", u"173"},
        {"a digit over a selection blanks the rest", u"123", 0, 2, u"4", u"4 3"},
    };
    for (const auto &c : cases) {
        DigitBox box;
        box.setFieldText(QString::fromUtf16(c.start));
        box.setCursorPosition(c.cursor);
        if (c.selected > 0)
            box.setSelection(c.cursor, c.selected);
        pressKeys(box, c.typed);
        EXPECT_EQ(box.fieldText(), QString::fromUtf16(c.expected)) << c.name;
    }
}

// A value the program set with other characters is kept until the user edits the box; then only
// its digits stay, each in its place.
TEST(DigitBox, AProgramSetValueWithOtherCharactersIsKeptUntilEditedThenDigitsStayInPlace)
{
    const struct
    {
        const char *name;
        const char16_t *start;
        int cursor;
        const char16_t *typed; // '<' Backspace, '>' Delete
        const char16_t *expected;
    } cases[] = {
        {"letters alone change nothing", u"x1y", 0, u"ab-", u"x1y"},
        {"a digit", u"x1y", 0, u"5", u"51 "},
        {"Delete", u"a2c", 1, u">", u"   "},
        {"Backspace", u"a23", 3, u"<", u" 2 "},
        {"a digit past the last position", u"1-2", 3, u"7", u"1 2"},
    };
    for (const auto &c : cases) {
        DigitBox box;
        box.setFieldText(QString::fromUtf16(c.start));
        EXPECT_EQ(box.text(), QString::fromUtf16(c.start)) << c.name << ": shown as set";
        box.setCursorPosition(c.cursor);
        pressKeys(box, c.typed);
        EXPECT_EQ(box.fieldText(), QString::fromUtf16(c.expected)) << c.name;
    }
    // After an edit the box takes digits only again, and a digits-only value set later is shown
    // through the digit positions.
    DigitBox box;
    box.setFieldText(QStringLiteral("abc"));
    box.setFieldText(QStringLiteral("1 2"));
    box.setCursorPosition(1);
    QTest::keyClicks(&box, QStringLiteral("x9"));
    EXPECT_EQ(box.fieldText(), QStringLiteral("192"));
}

TEST(DigitBox, AClickPutsTheCursorOnTheCellClickedAtMostTheLast)
{
    DigitBox box;
    box.setPositions(5, true);
    box.resize(200, 20);
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    box.setCursorPosition(0);
    const int left = box.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    const int cell = box.fontMetrics().horizontalAdvance(u'0');
    const struct
    {
        int x;
        int expected;
    } clicks[] = {
        {left + 1, 0},
        {left + cell - 2, 0}, // the right half of the first cell
        {left + 2 * cell + 1, 2},
        {left + 3 * cell - 2, 2},
        {left + 5 * cell - 2, 4},
        {left + 5 * cell + 3, 4}, // past the last cell
        {box.width() - 3, 4},
    };
    for (const auto &c : clicks) {
        QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier, QPoint(c.x, box.height() / 2));
        EXPECT_EQ(box.cursorPosition(), c.expected) << "x " << c.x;
    }
    // Typing there enters the digit in that cell.
    QTest::keyClicks(&box, QStringLiteral("7"));
    EXPECT_EQ(box.fieldText(), QStringLiteral("    7"));
}

TEST(DigitBox, PastedTextKeepsOnlyDigitsInPlace)
{
    DigitBox box;
    box.setPositions(5, true);
    box.setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("9a8"));
    box.paste();
    EXPECT_EQ(box.fieldText(), QStringLiteral(" 98  "));
}

TEST(DigitBox, EveryChangeIsReported)
{
    DigitBox box;
    int changes = 0;
    QObject context;
    box.connectChange(&context, [&] { ++changes; });
    box.setFieldText(QStringLiteral("7"));
    box.setFieldText(QStringLiteral("7  "));
    box.setCursorPosition(1);
    QTest::keyClicks(&box, QStringLiteral("5"));
    EXPECT_EQ(changes, 3);
}

} // namespace
