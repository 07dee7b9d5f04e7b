#include "model/SlipFile.h"
#include "NearlyFullDisk.h"
#include "QtPrinters.h"
#include "model/TextFile.h"
#include "model/UserError.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

SlipRecord fullUplatnica()
{
    SlipRecord r{SlipKind::Uplatnica,
                 {QStringLiteral("10000"), QStringLiteral("Ivan Horvat"), QStringLiteral("Račun za struju"),
                  QStringLiteral("HEP d.d."), QStringLiteral("Zagreb"), QStringLiteral("06.12.2001."),
                  QStringLiteral("  1"), QStringLiteral("123"), QStringLiteral("   "), QStringLiteral("999"),
                  QStringLiteral("1.234,56"), QStringLiteral("2360000-1101234567"), QStringLiteral("   "),
                  QStringLiteral("12345-678")}};
    return r;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(SlipFile, WritesTagAndFieldsInWindows1250WithCrLf)
{
    const QByteArray bytes = SlipFile::toBytes(fullUplatnica());
    EXPECT_TRUE(bytes.startsWith("TIP=UPLATNICA\r\n10000\r\nIvan Horvat\r\nRa\xE8un za struju\r\n"));
    EXPECT_TRUE(bytes.endsWith("\r\n   \r\n12345-678\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), 15);
}

TEST(SlipFile, RoundTripsByteForByte)
{
    SlipRecord zorvat = SlipRecord::blank(SlipKind::Zorvat);
    zorvat.texts[0] = QStringLiteral("Firma d.o.o.\r\nIlica 1\r\nZagreb");
    zorvat.texts[7] = QStringLiteral("12 kn");
    for (const SlipRecord &record : {fullUplatnica(), zorvat}) {
        const QByteArray bytes = SlipFile::toBytes(record);
        const auto back = SlipFile::fromBytes(bytes);
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(back->kind, record.kind);
        EXPECT_EQ(back->texts, record.texts);
        EXPECT_EQ(SlipFile::toBytes(*back), bytes);
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

TEST(SlipFile, LineEndsOfEitherKindGiveTheSameRecord)
{
    SlipRecord zorvat = SlipRecord::blank(SlipKind::Zorvat);
    for (size_t i = 0; i < zorvat.texts.size(); ++i)
        zorvat.texts[i] += QString::number(i);
    zorvat.texts[1] = QStringLiteral("Svrha\r\ndruga linija");
    for (const SlipRecord &record : {fullUplatnica(), zorvat}) {
        const QByteArray crLf = SlipFile::toBytes(record);
        QByteArray lf = crLf;
        lf.replace("\r\n", "\n");
        const auto fromCrLf = SlipFile::fromBytes(crLf);
        const auto fromLf = SlipFile::fromBytes(lf);
        ASSERT_TRUE(fromCrLf && fromLf);
        EXPECT_EQ(fromLf->texts, fromCrLf->texts);
        EXPECT_EQ(fromLf->texts, record.texts);
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
    EXPECT_EQ(record->texts[3], QStringLiteral("C"));
    for (size_t i = 4; i < record->texts.size(); ++i)
        EXPECT_TRUE(record->texts[i].isEmpty());
}

TEST(SlipFile, SaveReplacesAndLoadReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("slip"));
    SlipFile::save(path, SlipRecord::blank(SlipKind::Zorvat));
    SlipFile::save(path, fullUplatnica());
    const auto record = SlipFile::load(path);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->texts, fullUplatnica().texts);
}

TEST(SlipFile, FileErrorsCarryTheirTexts)
{
    QTemporaryDir dir;
    try {
        SlipFile::load(dir.filePath(QStringLiteral("missing")));
        ADD_FAILURE() << "loaded a missing file";
    } catch (const UserError &e) {
        EXPECT_EQ(e.text(),
                  QStringLiteral("Datoteka %1 ne postoji").arg(dir.filePath(QStringLiteral("missing"))));
    }
    const QString inMissingFolder = dir.filePath(QStringLiteral("no/such/folder/slip"));
    try {
        SlipFile::save(inMissingFolder, fullUplatnica());
        ADD_FAILURE() << "saved into a missing folder";
    } catch (const UserError &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Datoteka %1 ne može se stvoriti").arg(inMissingFolder));
    }
}

TEST(TextFile, FailedWriteLeavesTheOldFileWhole)
{
    // A file-size limit makes the write of the new content fail part-way, as a full disk would.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("slip"));
    SlipFile::save(path, fullUplatnica());
    const QByteArray before = readAll(path);

    const QByteArray big(1 << 20, 'x');
    {
        const FileSizeLimit limit(4096);
        EXPECT_THROW(TextFile::writeAtomically(path, big), UserError);
    }

    EXPECT_EQ(readAll(path), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("slip")});
}

TEST(MemoOneLine, KeepsHardBreaksOnOneLine)
{
    const struct
    {
        const char16_t *memo, *line, *back;
    } cases[] = {
        {u"a\r\nb\nc",
         u"a\x0B"
         "b\x0B"
         "c",
         u"a\r\nb\r\nc"},
        {u"a\rb",
         u"a\x0B"
         "b",
         u"a\r\nb"},
        {u"\r\n\r\n", u"\x0B\x0B", u"\r\n\r\n"},
        {u"a\n\rb",
         u"a\x0B\x0B"
         "b",
         u"a\r\n\r\nb"},
        {u"plain text", u"plain text", u"plain text"},
    };
    for (const auto &c : cases) {
        const QString line = memoToOneLine(QString::fromUtf16(c.memo));
        EXPECT_EQ(line, QString::fromUtf16(c.line));
        EXPECT_EQ(memoFromOneLine(line), QString::fromUtf16(c.back));
    }
}

} // namespace
