#include "app/DigitBox.h"
#include "QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

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
// A value the program set with other characters is shown as set until the user edits the box; then
// only its digits stay, each in its place.
TEST(DigitBox, TypedDigitsStayInTheirPositionsAndReplaceAValueWithOtherCharacters)
{
    const struct
    {
        const char *name;
        const char16_t *start;
        int cursor, selected;
        const char16_t *typed; // '<' Backspace, '>' Delete
        const char16_t *expected;
        bool otherCharacters = false; // start holds other characters than digits, shown as set
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
        {"letters alone change nothing", u"x1y", 0, 0, u"ab-", u"x1y", true},
        {"a digit", u"x1y", 0, 0, u"5", u"51 ", true},
        {"Delete", u"a2c", 1, 0, u">", u"   ", true},
        {"Backspace", u"a23", 3, 0, u"<", u" 2 ", true},
        {"a digit past the last position", u"1-2", 3, 0, u"7", u"1 2", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        DigitBox box;
        box.setFieldText(QString::fromUtf16(c.start));
        if (c.otherCharacters) {
            EXPECT_EQ(box.text(), QString::fromUtf16(c.start)) << "shown as set";
        }
        box.setCursorPosition(c.cursor);
        if (c.selected > 0)
            box.setSelection(c.cursor, c.selected);
        pressKeys(box, c.typed);
        EXPECT_EQ(box.fieldText(), QString::fromUtf16(c.expected));
    }
    // After an edit the box takes digits only again, and a digits-only value set later is shown
    // through the digit positions.
    DigitBox box;
    box.setFieldText(u"abc"_s);
    box.setFieldText(u"1 2"_s);
    box.setCursorPosition(1);
    QTest::keyClicks(&box, u"x9"_s);
    EXPECT_EQ(box.fieldText(), u"192"_s);
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
    QTest::keyClicks(&box, u"7"_s);
    EXPECT_EQ(box.fieldText(), u"    7"_s);
}

TEST(DigitBox, PastedTextKeepsOnlyDigitsInPlace)
{
    DigitBox box;
    box.setPositions(5, true);
    box.setCursorPosition(1);
    QApplication::clipboard()->setText(u"9a8"_s);
    box.paste();
    EXPECT_EQ(box.fieldText(), u" 98  "_s);
}

TEST(DigitBox, EveryChangeIsReported)
{
    DigitBox box;
    int changes = 0;
    QObject context;
    box.connectChange(&context, [&] { ++changes; });
    box.setFieldText(u"7"_s);
    box.setFieldText(u"7  "_s);
    box.setCursorPosition(1);
    QTest::keyClicks(&box, u"5"_s);
    EXPECT_EQ(changes, 3);
}

} // namespace
