#include "model/SlipFile.h"
#include "FileBytes.h"
#include "NearlyFullDisk.h"
#include "QtPrinters.h"
#include "ThrownError.h"
#include "model/TextFile.h"
#include "model/UserError.h"

#include <QDir>
#include <QIODevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

SlipRecord fullUplatnica()
{
    SlipRecord r{SlipKind::Uplatnica,
                 {u"10000"_s, u"Ivan Horvat"_s, u"Račun za struju"_s, u"HEP d.d."_s, u"Zagreb"_s,
                  u"06.12.2001."_s, u"  1"_s, u"123"_s, u"   "_s, u"999"_s, u"1.234,56"_s,
                  u"2360000-1101234567"_s, u"   "_s, u"12345-678"_s}};
    return r;
}

TEST(SlipFile, WritesTagAndFieldsInWindows1250WithCrLf)
{
    const QByteArray bytes = SlipFile::toBytes(fullUplatnica());
    EXPECT_TRUE(bytes.startsWith("TIP=UPLATNICA\r\n10000\r\nIvan Horvat\r\nRa\xE8un za struju\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n   \r\n12345-678\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 15);
}

// A written record reads back byte for byte, and the same from a file whose lines end in LF alone.
TEST(SlipFile, RoundTripsByteForByteWithLineEndsOfEitherKind)
{
    SlipRecord zorvat = SlipRecord::blank(SlipKind::Zorvat);
    zorvat.texts[0] = u"Firma d.o.o.\r\nIlica 1\r\nZagreb"_s;
    zorvat.texts[7] = u"12 kn"_s;
    SlipRecord numbered = SlipRecord::blank(SlipKind::Zorvat);
    for (size_t i = 0; i < numbered.texts.size(); ++i)
        numbered.texts[i] += QString::number(i);
    numbered.texts[1] = u"Svrha\r\ndruga linija"_s;
    for (const SlipRecord &record : {fullUplatnica(), zorvat, numbered}) {
        const QByteArray bytes = SlipFile::toBytes(record);
        const auto back = SlipFile::fromBytes(bytes);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->kind, record.kind);
        EXPECT_EQ(back->texts, record.texts);
        EXPECT_EQ(SlipFile::toBytes(*back), bytes);
        const auto fromLf = SlipFile::fromBytes(QByteArray(bytes).replace("\r\n", "\n"));
        ASSERT_TRUE(fromLf.has_value());
        EXPECT_EQ(fromLf->texts, record.texts);
    }
}

TEST(SlipFile, ReadingRules)
{
    const struct
    {
        QByteArray bytes;
        bool loads;
        SlipKind kind;
        int field;
        const char16_t *text;
    } cases[] = {
        {"tip=uplatnica\r\n12345\r\n", true, SlipKind::Uplatnica, 0, u"12345"},
        {"TIP=ZORVAT UPLATNICA\n1\n", true, SlipKind::Uplatnica, 0, u"1"},
        {"TIP=ZORVAT\nA\nB\n", true, SlipKind::Zorvat, 1, u"B"},
        {"TIP=ZORVAT\nA\nB\n", true, SlipKind::Zorvat, 2, u""},
        {"TIP=UPLATNICA\r\na\rb\r\n", true, SlipKind::Uplatnica, 0, u"ab"},
        {"TIP=UPLATNICA\r\nlast", true, SlipKind::Uplatnica, 0, u"last"},
        {"TIP=UPLATNICA\r\n1\x1A\r\n2\r\n", true, SlipKind::Uplatnica, 1, u""},
        {"TIP=UPLATNICA\r\n1\x1A\r\n2\r\n", true, SlipKind::Uplatnica, 0, u"1"},
        {"TIP=NALOG\r\n1\r\n", false, SlipKind::Uplatnica, 0, u""},
        {"", false, SlipKind::Uplatnica, 0, u""},
        {"\x1ATIP=UPLATNICA\r\n", false, SlipKind::Uplatnica, 0, u""},
    };
    for (const auto &c : cases) {
        const auto record = SlipFile::fromBytes(c.bytes);
        ASSERT_EQ(record.has_value(), c.loads) << c.bytes.toStdString();
        if (!record)
            continue;
        EXPECT_EQ(record->kind, c.kind);
        EXPECT_EQ(record->texts[static_cast<size_t>(c.field)], QString::fromUtf16(c.text))
            << c.bytes.toStdString();
    }
}

TEST(SlipFile, LinesAfterTheFifteenthAreIgnored)
{
    QByteArray bytes = SlipFile::toBytes(fullUplatnica());
    const auto record = SlipFile::fromBytes(bytes + "extra\r\nTIP=ZORVAT\r\n");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->texts, fullUplatnica().texts);
}

// Gives its bytes and then fails, as a disk does when a sector cannot be read.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(QByteArray first) : m_first(std::move(first)) { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        if (m_first.isEmpty())
            return -1;
        const qint64 count = std::min<qint64>(maxSize, m_first.size());
        std::copy_n(m_first.constData(), count, data);
        m_first.clear();
        return count;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_first;
};

TEST(SlipFile, ReadErrorIsNotALoadedRecord)
{
    FailingDevice device("TIP=UPLATNICA\r\n12345\r\nIvan\r\n");
    EXPECT_FALSE(SlipFile::fromDevice(device));
}

TEST(SlipFile, FiveLineFileEmptiesTheRest)
{
    const auto record = SlipFile::fromBytes("TIP=UPLATNICA\r\n10000\r\nA\r\nB\r\nC\r\n");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->texts[3], u"C"_s);
    for (size_t i = 4; i < record->texts.size(); ++i)
        EXPECT_TRUE(record->texts[i].isEmpty());
}

TEST(SlipFile, SaveReplacesAndLoadReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"slip"_s);
    SlipFile::save(path, SlipRecord::blank(SlipKind::Zorvat));
    SlipFile::save(path, fullUplatnica());
    const auto record = SlipFile::load(path);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->texts, fullUplatnica().texts);
}

TEST(SlipFile, FileErrorsCarryTheirTexts)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(u"missing"_s);
    EXPECT_EQ(thrownErrorOf([&] { SlipFile::load(missing); }), u"Datoteka %1 ne postoji"_s.arg(missing));
    const QString inMissingFolder = dir.filePath(u"no/such/folder/slip"_s);
    EXPECT_EQ(thrownErrorOf([&] { SlipFile::save(inMissingFolder, fullUplatnica()); }),
              u"Datoteka %1 ne može se stvoriti"_s.arg(inMissingFolder));
}

TEST(TextFile, FailedWriteLeavesTheOldFileWhole)
{
    // A file-size limit makes the write of the new content fail part-way, as a full disk would.
    QTemporaryDir dir;
    const QString path = dir.filePath(u"slip"_s);
    SlipFile::save(path, fullUplatnica());
    const QByteArray before = fileBytes(path);

    const QByteArray big(1 << 20, 'x');
    {
        const FileSizeLimit limit(4096);
        EXPECT_THROW(TextFile::writeAtomically(path, big), UserError);
    }

    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{u"slip"_s});
}

TEST(MemoOneLine, KeepsHardBreaksOnOneLine)
{
    const struct
    {
        const char16_t *memo, *line, *back;
    } cases[] = {
        {u"a\r\nb\nc", u"a\vb\vc", u"a\r\nb\r\nc"},    {u"a\rb", u"a\vb", u"a\r\nb"},
        {u"\r\n\r\n", u"\v\v", u"\r\n\r\n"},           {u"a\n\rb", u"a\v\vb", u"a\r\n\r\nb"},
        {u"plain text", u"plain text", u"plain text"},
    };
    for (const auto &c : cases) {
        const QString line = memoToOneLine(QString::fromUtf16(c.memo));
        EXPECT_EQ(line, QString::fromUtf16(c.line));
        EXPECT_EQ(memoFromOneLine(line), QString::fromUtf16(c.back));
    }
}

} // namespace
