#include "Bounds.h"
#include "QtPrinters.h"
#include "model/Amount.h"
#include "model/MemoLines.h"
#include "model/SlipData.h"
#include "model/SlipFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

constexpr qint64 hundredMegabytes = 100LL << 20;

QByteArray slipHead()
{
    QByteArray head = "TIP=UPLATNICA\r\n";
    for (int i = 1; i <= 14; ++i)
        head += "polje " + QByteArray::number(i) + "\r\n";
    return head;
}

// A 100 MB file is read only as far as a record can reach: either its first 15 lines, or the first
// few megabytes when they hold no whole record, which is then no slip file at all.
TEST(HostileInput, HundredMegabyteSlipFileIsReadOnlyAsFarAsItsRecord)
{
    const struct
    {
        const char *what;
        QByteArray head, block;
        bool loads;
    } cases[] = {
        {"a record followed by 100 MB", slipHead(), QByteArray(1 << 20, 'x'), true},
        {"a field line of 100 MB", "TIP=UPLATNICA\r\n", QByteArray(1 << 20, 'x'), false},
        {"100 MB without a line end", QByteArray(), QByteArray(1 << 20, 'y'), false},
        {"100 MB of line ends", QByteArray(), QByteArray(1 << 20, '\n'), false},
        {"100 MB of Ctrl-Z", "TIP=ZORVAT\r\n", QByteArray(1 << 20, '\x1A'), true},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge"));
    for (const auto &c : cases) {
        ASSERT_TRUE(writeRepeated(path, c.head, c.block, hundredMegabytes)) << c.what;
        std::optional<SlipRecord> record;
        const Cost cost = costOf([&] { record = SlipFile::load(path); });
        EXPECT_EQ(record.has_value(), c.loads) << c.what;
        EXPECT_LT(cost.time, 2s * sanitizerSlowdown) << c.what;
        if (peakMemoryIsMeaningful) {
            EXPECT_LT(cost.peakGrowthMb, 40) << c.what;
        }
    }
    QFile::remove(path);
    ASSERT_TRUE(writeRepeated(path, slipHead(), QByteArray(1 << 20, 'x'), hundredMegabytes));
    const std::optional<SlipRecord> record = SlipFile::load(path);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->texts[13], QStringLiteral("polje 14"));
}

QString megabyteOfWords()
{
    QString text;
    for (int i = 0; text.size() < (1 << 20); ++i)
        text += QStringLiteral("riječ%1 ").arg(i);
    return text;
}

// A memo of a megabyte is saved and loaded whole, and the pictures find its display lines quickly,
// also when it is one word that every line has to break.
TEST(HostileInput, MegabyteMemoIsSavedLoadedAndDrawnInBoundedTime)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("memo"));
    SlipRecord record = SlipRecord::blank(SlipKind::Uplatnica);
    record.texts[1] = megabyteOfWords();
    const Cost fileCost = costOf([&] {
        SlipFile::save(path, record);
        const std::optional<SlipRecord> back = SlipFile::load(path);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->texts, record.texts);
    });
    EXPECT_LT(fileCost.time, 2s * sanitizerSlowdown);

    for (const QString &memo : {megabyteOfWords(), QString(1 << 20, u'a')}) {
        record.texts[2] = memo;
        UplatnicaData data;
        const Cost drawCost = costOf([&] { data = UplatnicaData::fromTexts(record.texts); });
        EXPECT_LT(drawCost.time, 2s * sanitizerSlowdown);
        const QStringList expected =
            memoDisplayLines(memo.left(400), slipFields(SlipKind::Uplatnica)[2].boxWidth, 3);
        EXPECT_EQ(QStringList(data.purpose.begin(), data.purpose.end()), expected);
    }
}

// Amounts of ten thousand digits are numbers or the marker as their grammar says, at once.
TEST(HostileInput, TenThousandDigitAmountIsDrawnAtOnce)
{
    const QString nines(10000, u'9');
    const struct
    {
        QString text, shown;
    } cases[] = {
        {nines, amountErrorMarker()}, // beyond the double range
        {QStringLiteral("0,") + QString(10000, u'1'), QStringLiteral("0,11")},
        {QStringLiteral("0,") + QString(9998, u'0') + QStringLiteral("1"), QStringLiteral("0,00")},
        {QStringLiteral("1e") + nines, amountErrorMarker()}, // exponent digits past 500
        {QString(10000, u'0') + QStringLiteral("12,5"), QStringLiteral("12,50")},
        {nines + QStringLiteral(" kn"), amountErrorMarker()},
    };
    for (const auto &c : cases) {
        QString shown;
        const Cost cost = costOf([&] { shown = AmountText(c.text); });
        EXPECT_EQ(shown, c.shown) << c.text.left(20).toStdString();
        EXPECT_LT(cost.time, 1s * sanitizerSlowdown);
    }
}

} // namespace
