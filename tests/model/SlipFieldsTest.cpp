#include "model/SlipFields.h"
#include "QtPrinters.h"
#include "model/MemoLines.h"
#include "model/SlipData.h"
#include "model/Win1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(FitDigitBox, FitsProgramSetValuesIntoTheirPositions)
{
    const struct
    {
        const char16_t *value;
        int n;
        bool reverse;
        const char16_t *fitted;
    } cases[] = {
        {u"7", 3, true, u"  7"},     {u"7", 15, false, u"7              "},
        {u"12345", 3, true, u"345"}, {u"1234567890123456789", 15, false, u"123456789012345"},
        {u"", 3, true, u"   "},      {u"", 15, false, u"               "},
        {u"01 ", 3, true, u"01 "},   {u"abc", 5, true, u"  abc"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fitDigitBox(QString::fromUtf16(c.value), c.n, c.reverse), QString::fromUtf16(c.fitted));
}

TEST(SlipFields, TablesHoldTheCanonicalOrder)
{
    // clang-format off
    const char *uplatnica[] = {"postcode", "payer", "purpose", "recipient", "place", "date", "executionCode",
                               "code1", "code2", "code3", "amount", "account", "referenceModel", "reference"};
    const char *zorvat[] = {"payer", "purpose", "recipient", "payerAccount", "payerReferenceModel",
                            "payerReference", "executionCode", "amount", "recipientAccount",
                            "recipientReferenceModel", "recipientReference", "code1", "code2", "code3"};
    // clang-format on
    for (int i = 0; i < slipFieldCount; ++i) {
        EXPECT_STREQ(slipFields(SlipKind::Uplatnica)[static_cast<size_t>(i)].field, uplatnica[i]);
        EXPECT_STREQ(slipFields(SlipKind::Zorvat)[static_cast<size_t>(i)].field, zorvat[i]);
    }
    EXPECT_EQ(slipFieldIndex(SlipKind::Zorvat, QLatin1StringView("recipientReference")), 10);
    EXPECT_FALSE(slipFields(SlipKind::Zorvat)[10].reverse);
    EXPECT_EQ(slipFields(SlipKind::Zorvat)[10].length, 15);
}

TEST(SlipRecord, BlankRecordHasBlankDigitBoxes)
{
    const SlipRecord r = SlipRecord::blank(SlipKind::Uplatnica);
    EXPECT_EQ(r.texts[0], u"     "_s);
    EXPECT_EQ(r.texts[1], QString());
    EXPECT_EQ(joinReference(r.texts[12], r.texts[13]), u"    "_s);
}

TEST(MemoDisplayLines, BreaksAtHardBreaksAndWrapsAtWords)
{
    // 325-pixel boxes hold 40 characters of Courier New 13 px on a line.
    const QString longWord(45, u'x');
    const struct
    {
        QString text;
        QStringList lines;
    } cases[] = {
        {QString(), {QString()}},
        {u"Ivan\r\nHorvat, Ilica 1"_s, {u"Ivan"_s, u"Horvat, Ilica 1"_s}},
        {u"a\nb\rc"_s, {u"a"_s, u"b"_s, u"c"_s}},
        {u"aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee"_s,
         {u"aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd "_s, u"eeeeeeeee"_s}},
        {longWord, {QString(40, u'x'), QString(5, u'x')}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(memoDisplayLines(c.text, 325), c.lines) << c.text.toStdString();
    EXPECT_EQ(memoDisplayLine(u"one"_s, 325, 2), QString());
}

// A run without a break opportunity longer than longestWrappedRun makes the whole memo wrap
// anywhere; every other memo keeps wrapping at word boundaries.
TEST(MemoDisplayLines, ALongUnbreakableRunWrapsTheWholeTextAnywhere)
{
    const QString run(longestWrappedRun, u'x');
    const struct
    {
        QString text;
        QTextOption::WrapMode mode;
    } cases[] = {
        {QString(), QTextOption::WrapAtWordBoundaryOrAnywhere},
        {run, QTextOption::WrapAtWordBoundaryOrAnywhere},
        {run.left(longestWrappedRun - 1) + u" "_s + run, // a space ends its run
         QTextOption::WrapAtWordBoundaryOrAnywhere},
        {u"riječ "_s.repeated(1000), QTextOption::WrapAtWordBoundaryOrAnywhere},
        {u"broj-"_s.repeated(1000), QTextOption::WrapAtWordBoundaryOrAnywhere},
        {run + u"x"_s, QTextOption::WrapAnywhere},
        {u"Ivan Horvat\r\n"_s + run + u"x kraj"_s, QTextOption::WrapAnywhere},
        {u"čćđšž"_s.repeated(300), QTextOption::WrapAnywhere},
    };
    for (const auto &c : cases)
        EXPECT_EQ(memoWrapMode(c.text), c.mode) << c.text.left(30).toStdString() << " " << c.text.size();

    // Twelve-letter words put the fourth word across the 40th column: it moves to the next line,
    // unless a long run elsewhere in the text makes every word break where the line is full.
    const QString words = u"aaaaaaaaaaaa bbbbbbbbbbbb cccccccccccc dddddddddddd"_s;
    EXPECT_EQ(memoDisplayLines(words, 325, 1), QStringList{u"aaaaaaaaaaaa bbbbbbbbbbbb cccccccccccc "_s});
    EXPECT_EQ(memoDisplayLines(words + u"\r\n"_s + run + u"x"_s, 325, 1),
              QStringList{u"aaaaaaaaaaaa bbbbbbbbbbbb cccccccccccc d"_s});
}

TEST(SlipData, SnapshotsTakeTheDrawnDisplayLines)
{
    SlipTexts texts = SlipRecord::blank(SlipKind::Zorvat).texts;
    texts[0] = u"A\r\nB\r\nC\r\nD"_s;
    texts[10] = u"123            "_s;
    const ZorvatData d = ZorvatData::fromTexts(texts, u"Zagreb"_s, u"1.1.2002"_s);
    EXPECT_EQ(d.payer[2], u"C"_s);
    EXPECT_EQ(d.recipientReference, texts[10]);
    EXPECT_EQ(d.place, u"Zagreb"_s);
}

TEST(Win1250, RoundTripsCroatianLettersAndFlagsOthers)
{
    const QString croatian = u"čćđšžČĆĐŠŽ €"_s;
    EXPECT_EQ(Win1250::encode(croatian).size(), croatian.size());
    EXPECT_EQ(Win1250::decode(Win1250::encode(croatian)), croatian);
    EXPECT_EQ(static_cast<unsigned char>(Win1250::encode(u"č"_s)[0]), 0xE8);
    EXPECT_TRUE(Win1250::canEncode(croatian));
    EXPECT_FALSE(Win1250::canEncode(u"日本"_s));
    EXPECT_FALSE(Win1250::canEncode(QChar(u'ñ')));
}

// The quick tables agree with Qt's converter on every byte and on every character of the basic
// plane; a character outside that plane never has a byte.
TEST(Win1250, TablesAgreeWithTheConverter)
{
    QByteArray bytes(256, '\0');
    for (int byte = 0; byte < 256; ++byte)
        bytes[byte] = static_cast<char>(byte);
    EXPECT_EQ(Win1250::decode(bytes), QStringDecoder("windows-1250").decode(bytes));

    int encodable = 0;
    for (int code = 0; code < 0x10000; ++code) {
        const QChar ch{char16_t(code)};
        QStringEncoder converter("windows-1250", QStringConverter::Flag::Stateless);
        const QByteArray converted = converter.encode(QString(ch)); // converts only when kept
        encodable += !converter.hasError();
        ASSERT_EQ(Win1250::canEncode(ch), !converter.hasError()) << std::hex << code;
    }
    EXPECT_GE(encodable, 250);
    for (const QString &text : {u"ok\U0001F600"_s, u"ok"_s + QChar(u'\xD800')})
        EXPECT_FALSE(Win1250::canEncode(text));
}

} // namespace
