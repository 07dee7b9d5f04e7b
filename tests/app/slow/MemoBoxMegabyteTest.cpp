#include "Bounds.h"
#include "app/MemoBox.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// A megabyte without a space, loaded over another, cut, brought back, pasted and typed into, and
// shown broken into full lines; and pasted with a character that is refused. All of it costs about
// four times what a quarter of a megabyte costs, never the sixteen of work growing with its square.
TEST(MemoBox, TakesAMegabyteWordWithoutFreezing)
{
    MemoBox memo;
    memo.resize(325, 57);
    memo.show();
    const auto edit = [&](qint64 size) {
        const QString word(size, u'x');
        const auto step = [](auto &&action) {
            action();
            QApplication::processEvents();
        };
        step([&] { memo.setFieldText(word); });
        step([&] { memo.setFieldText(QString(word.size(), u'7')); });
        step([&] { memo.setFieldText(word); });
        step([&] {
            memo.selectAll();
            memo.cut();
        });
        EXPECT_EQ(memo.fieldText(), QString());
        step([&] { memo.undo(); });
        EXPECT_EQ(memo.fieldText().size(), word.size());
        step([&] { memo.paste(); });
        step([&] { QTest::keyClicks(&memo, u"y"_s); });
        EXPECT_EQ(memo.fieldText(), word + word + u"y"_s);

        const QTextLayout *layout = memo.document()->firstBlock().layout();
        EXPECT_EQ(layout->lineCount(), (2 * size + 1 + 39) / 40);
        EXPECT_EQ(layout->lineAt(0).textLength(), 40);

        // A character without a byte makes the paste check each character on its own.
        step([&] { memo.setFieldText(QString()); });
        QApplication::clipboard()->setText(word + u"Ж"_s);
        step([&] { memo.paste(); });
        EXPECT_EQ(memo.fieldText(), word);
    };
    const Growth growth = growthOf(edit, 1 << 18, 1 << 20);
    EXPECT_TRUE(growth.within(8)) << growth;
}

} // namespace
