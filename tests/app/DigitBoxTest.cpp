#include "DigitBox.h"
#include "QtPrinters.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <gtest/gtest.h>

namespace {

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
        for (const QChar key : QString::fromUtf16(c.typed)) {
            if (key == u'<')
                QTest::keyClick(&box, Qt::Key_Backspace);
            else if (key == u'>')
                QTest::keyClick(&box, Qt::Key_Delete);
            else
                QTest::keyClicks(&box, QString(key));
        }
        EXPECT_EQ(box.fieldText(), QString::fromUtf16(c.expected)) << c.name;
    }
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
