#include "app/MemoBox.h"
#include "QtPrinters.h"
#include "TypeText.h"
#include "model/MemoLines.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// The lines the box shows, read from its own text layout.
QStringList shownLines(const MemoBox &memo)
{
    QStringList lines;
    for (QTextBlock block = memo.document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            lines.append(block.text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength()));
    }
    return lines;
}

TEST(MemoBox, ShowsTheSameLinesAsThePicturesUse)
{
    const QString texts[] = {
        u"Ivan Horvat"_s,
        u"Ivan\r\nHorvat"_s,
        u"Uplata po računu broj 12345 za isporučenu robu i usluge u mjesecu prosincu 2001."_s,
        u"aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm nnnn oooo"_s,
        u"0123456789012345678901234567890123456789012345678901234567890123456789"_s,
        u"Riječ   s   razmacima     koji    se    nastavljaju   preko    ruba    reda"_s,
        u"prvi\r\n\r\ntreći red\r\n"_s,
        u"tab\tu\ttekstu\tkoji\tje\tdulji\tod\tjednog\treda"_s,
        u"ČĆĐŠŽ čćđšž ČĆĐŠŽ čćđšž ČĆĐŠŽ čćđšž ČĆĐŠŽ čćđšž ČĆĐŠŽ"_s,
        u"aaaaaaaaaaaa bbbbbbbbbbbb cccccccccccc dddddddddddd "_s + QString(1200, u'x'),
        QString(),
    };
    for (const int width : {325, 297, 299, 301}) {
        MemoBox memo;
        memo.resize(width, 57);
        memo.show();
        for (const QString &text : texts) {
            memo.setFieldText(text);
            QApplication::processEvents();
            EXPECT_EQ(shownLines(memo), memoDisplayLines(text, width)) << width << " " << text.toStdString();
        }
    }
}

TEST(MemoBox, HardLineBreaksReadAsCrLf)
{
    MemoBox memo;
    memo.setFieldText(u"Firma d.o.o.\r\nIlica 1\nZagreb"_s);
    EXPECT_EQ(memo.fieldText(), u"Firma d.o.o.\r\nIlica 1\r\nZagreb"_s);

    MemoBox typed;
    QTest::keyClicks(&typed, u"Ilica 1"_s);
    QTest::keyClick(&typed, Qt::Key_Return);
    QTest::keyClicks(&typed, u"Zagreb"_s);
    EXPECT_EQ(typed.fieldText(), u"Ilica 1\r\nZagreb"_s);
}

TEST(MemoBox, RefusesCharactersWithoutAWindows1250Byte)
{
    MemoBox memo;
    typeText(&memo, u"čžжđ中€"_s);
    EXPECT_EQ(memo.fieldText(), u"čžđ€"_s);

    QApplication::clipboard()->setText(u" Ωš😀ć"_s);
    memo.paste();
    EXPECT_EQ(memo.fieldText(), u"čžđ€ šć"_s);

    memo.setFieldText(u"Ђa"_s);
    EXPECT_EQ(memo.fieldText(), u"a"_s);
}

TEST(MemoBox, ReportsChangesButNotASetOfTheSameText)
{
    MemoBox memo;
    int changes = 0;
    QObject context;
    memo.connectChange(&context, [&] { ++changes; });
    memo.setFieldText(u"a\r\nb"_s);
    memo.setFieldText(u"a\r\nb"_s);
    QTest::keyClicks(&memo, u"c"_s);
    EXPECT_EQ(changes, 2);
}

} // namespace
