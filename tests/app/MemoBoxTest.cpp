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
        QStringLiteral("Ivan Horvat"),
        QStringLiteral("Ivan\r\nHorvat"),
        QStringLiteral("Uplata po računu broj 12345 za isporučenu robu i usluge u mjesecu prosincu 2001."),
        QStringLiteral("aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll mmmm nnnn oooo"),
        QStringLiteral("0123456789012345678901234567890123456789012345678901234567890123456789"),
        QStringLiteral("Riječ   s   razmacima     koji    se    nastavljaju   preko    ruba    reda"),
        QStringLiteral("prvi\r\n\r\ntreći red\r\n"),
        QStringLiteral("tab\tu\ttekstu\tkoji\tje\tdulji\tod\tjednog\treda"),
        QStringLiteral("ČĆĐŠŽ čćđšž ČĆĐŠŽ čćđšž ČĆĐŠŽ čćđšž ČĆĐŠŽ čćđšž ČĆĐŠŽ"),
        QStringLiteral("aaaaaaaaaaaa bbbbbbbbbbbb cccccccccccc dddddddddddd ") + QString(1200, u'x'),
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
    memo.setFieldText(QStringLiteral("Firma d.o.o.\r\nIlica 1\nZagreb"));
    EXPECT_EQ(memo.fieldText(), QStringLiteral("Firma d.o.o.\r\nIlica 1\r\nZagreb"));

    MemoBox typed;
    QTest::keyClicks(&typed, QStringLiteral("Ilica 1"));
    QTest::keyClick(&typed, Qt::Key_Return);
    QTest::keyClicks(&typed, QStringLiteral("Zagreb"));
    EXPECT_EQ(typed.fieldText(), QStringLiteral("Ilica 1\r\nZagreb"));
}

TEST(MemoBox, RefusesCharactersWithoutAWindows1250Byte)
{
    MemoBox memo;
    typeText(&memo, QStringLiteral("čžжđ中€"));
    EXPECT_EQ(memo.fieldText(), QStringLiteral("čžđ€"));

    QApplication::clipboard()->setText(QStringLiteral(" Ωš😀ć"));
    memo.paste();
    EXPECT_EQ(memo.fieldText(), QStringLiteral("čžđ€ šć"));

    memo.setFieldText(QStringLiteral("Ђa"));
    EXPECT_EQ(memo.fieldText(), QStringLiteral("a"));
}

TEST(MemoBox, ReportsChangesButNotASetOfTheSameText)
{
    MemoBox memo;
    int changes = 0;
    QObject context;
    memo.connectChange(&context, [&] { ++changes; });
    memo.setFieldText(QStringLiteral("a\r\nb"));
    memo.setFieldText(QStringLiteral("a\r\nb"));
    QTest::keyClicks(&memo, QStringLiteral("c"));
    EXPECT_EQ(changes, 2);
}

} // namespace
