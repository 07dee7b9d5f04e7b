#include "Bounds.h"
#include "QtPrinters.h"
#include "model/Amount.h"
#include "model/MemoLines.h"
#include "model/SlipData.h"
#include "model/SlipFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 hundredMegabytes = 100LL << 20;

QByteArray slipHead()
{
    QByteArray head = "TIP=UPLATNICA\r\n";
    for (int i = 1; i <= 14; ++i)
        head += "polje " + QByteArray::number(i) + "\r\n";
    return head;
}

// A 100 MB file is read only as far as a record can reach: either its first 15 lines, or the first
// few megabytes when they hold no whole record, which is then no slip file at all. Reading it costs
// no more than reading a quarter of it.
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
    const auto pathOf = [&](qint64 size) { return dir.filePath(QString::number(size)); };
    for (const auto &c : cases) {
        for (const qint64 size : {hundredMegabytes / 4, hundredMegabytes})
            ASSERT_TRUE(writeRepeated(pathOf(size), c.head, c.block, size)) << c.what;
        std::optional<SlipRecord> record;
        const Growth growth = growthOf([&](qint64 size) { record = SlipFile::load(pathOf(size)); },
                                       hundredMegabytes / 4, hundredMegabytes);
        EXPECT_EQ(record.has_value(), c.loads) << c.what;
        EXPECT_TRUE(growth.within(2)) << c.what << ": " << growth;
        if (peakMemoryIsMeaningful) {
            EXPECT_LT(peakGrowthMbOf([&] { SlipFile::load(pathOf(hundredMegabytes)); }), 40) << c.what;
        }
    }
    const QString path = pathOf(hundredMegabytes);
    ASSERT_TRUE(writeRepeated(path, slipHead(), QByteArray(1 << 20, 'x'), hundredMegabytes));
    const std::optional<SlipRecord> record = SlipFile::load(path);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->texts[13], u"polje 14"_s);
}

QString wordsOf(qint64 size)
{
    QString text;
    for (int i = 0; text.size() < size; ++i)
        text += u"riječ%1 "_s.arg(i);
    return text;
}

// A memo of a megabyte is saved and loaded whole, and the pictures find its display lines in time
// that grows with the memo, also when it is one word that every line has to break.
TEST(HostileInput, MegabyteMemoIsSavedLoadedAndDrawnInTimeGrowingWithIt)
{
    constexpr qint64 megabyte = 1 << 20;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"memo"_s);
    SlipRecord record = SlipRecord::blank(SlipKind::Uplatnica);
    const QString memos[] = {wordsOf(megabyte / 4), wordsOf(megabyte)};
    const Growth fileGrowth = growthOf(
        [&](qint64 size) {
            record.texts[1] = memos[size == megabyte];
            SlipFile::save(path, record);
            const std::optional<SlipRecord> back = SlipFile::load(path);
            ASSERT_TRUE(back);
            EXPECT_EQ(back->texts, record.texts);
        },
        megabyte / 4, megabyte);
    EXPECT_TRUE(fileGrowth.within(8)) << fileGrowth;

    for (const auto &memoOf : {wordsOf, +[](qint64 size) { return QString(size, u'a'); }}) {
        const QString memos[] = {memoOf(megabyte / 4), memoOf(megabyte)};
        UplatnicaData data;
        const Growth drawGrowth = growthOf(
            [&](qint64 size) {
                record.texts[2] = memos[size == megabyte];
                data = UplatnicaData::fromTexts(record.texts);
            },
            megabyte / 4, megabyte);
        EXPECT_TRUE(drawGrowth.within(8)) << drawGrowth;
        const QStringList expected =
            memoDisplayLines(memos[1].left(400), slipFields(SlipKind::Uplatnica)[2].boxWidth, 3);
        EXPECT_EQ(QStringList(data.purpose.begin(), data.purpose.end()), expected);
    }
}

// Amounts of ten thousand digits are numbers or the marker as their grammar says, in time that does
// not grow with the square of their digits.
TEST(HostileInput, TenThousandDigitAmountIsReadInTimeGrowingWithItsDigits)
{
    const struct
    {
        QString (*text)(qint64 digits);
        QString shown;
    } cases[] = {
        {[](qint64 d) { return QString(d, u'9'); }, amountErrorMarker()}, // beyond the double range
        {[](qint64 d) { return u"0,"_s + QString(d, u'1'); }, u"0,11"_s},
        {[](qint64 d) { return u"0,"_s + QString(d - 2, u'0') + u"1"_s; }, u"0,00"_s},
        {[](qint64 d) { return u"1e"_s + QString(d, u'9'); }, amountErrorMarker()}, // exponent past 500
        {[](qint64 d) { return QString(d, u'0') + u"12,5"_s; }, u"12,50"_s},
        {[](qint64 d) { return QString(d, u'9') + u" kn"_s; }, amountErrorMarker()},
    };
    for (const auto &c : cases) {
        const Growth growth = growthOf(
            [&](qint64 digits) {
                const QString text = c.text(digits);
                EXPECT_EQ(AmountText(text), c.shown) << text.left(20).toStdString();
            },
            2500, 10000);
        EXPECT_TRUE(growth.within(8)) << c.text(20).toStdString() << ": " << growth;
    }
}

} // namespace
