#include "partners/PartnerFile.h"
#include "QtPrinters.h"
#include "partners/PartnerEntry.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QStringList texts(std::initializer_list<const char16_t *> list)
{
    QStringList result;
    for (const char16_t *text : list)
        result.append(QString::fromUtf16(text));
    return result;
}

TEST(PartnerFile, ReadingRules)
{
    const struct
    {
        const char *what;
        QByteArray bytes;
        QStringList entries;
    } cases[] = {
        {"empty file", QByteArray(), {}},
        {"CR LF", "a\r\nb\r\n", texts({u"a", u"b"})},
        {"lone CR and lone LF", "a\rb\nc", texts({u"a", u"b", u"c"})},
        {"LF then CR are two ends", "a\n\rb", texts({u"a", u"", u"b"})},
        {"last line without end", "a\r\nlast", texts({u"a", u"last"})},
        {"empty lines", "\r\n\r\nx\r\n", texts({u"", u"", u"x"})},
        {"NUL ends the reading", QByteArray("a\r\nb\0c\r\nd\r\n", 11), texts({u"a", u"b"})},
        {"NUL right after a line end", QByteArray("a\r\n\0b", 5), texts({u"a"})},
        {"Windows-1250 letters", "\x8A\x9E\xE8\xE6\xF0", texts({u"Šžčćđ"})},
        {"byte 0B is a hard line break", "Ivan\x0BIlica 1\b123\b ", texts({u"Ivan\r\nIlica 1\b123\b "})},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PartnerFile::fromBytes(c.bytes), c.entries) << c.what;
}

TEST(PartnerFile, WritesEveryEntryWithCrLf)
{
    EXPECT_EQ(PartnerFile::toBytes({}), QByteArray());
    EXPECT_EQ(PartnerFile::toBytes(texts({u"Čistoća\b2360000\b 05 12", u""})),
              QByteArray("\xC8isto\xE6"
                         "a\b2360000\b 05 12\r\n\r\n"));
}

TEST(PartnerFile, RoundTripsByteForByte)
{
    const QByteArray file = "Ivan Horvat, Ilica 1\b2390001-1100000011\b00  12-34\r\n"
                            "\b\b\r\n"
                            "samo ime\r\n"
                            "a\bb\bc\bd\r\n"
                            "\x80\x81\x83\x88\x90\x98\xFF\r\n";
    EXPECT_EQ(PartnerFile::toBytes(PartnerFile::fromBytes(file)), file);
}

TEST(PartnerFile, NameWithLineBreaksStaysOneEntry)
{
    const QString name = u"Firma d.o.o.\r\nIlica 1\r\nZagreb"_s;
    const QStringList entries = {joinPartner(name, u"123"_s, u"HR00 1"_s), u"next"_s};
    const QByteArray bytes = PartnerFile::toBytes(entries);
    EXPECT_EQ(bytes.count("\r\n"), 2);
    const QStringList back = PartnerFile::fromBytes(bytes);
    EXPECT_EQ(back, entries);
    EXPECT_EQ(SplitPartner(back.front()).name, name);
}

TEST(SplitPartner, CutsAtTheFirstTwoSeparators)
{
    const struct
    {
        const char16_t *entry, *name, *account, *reference;
    } cases[] = {
        {u"Ivan\b2360000-1101234567\b00  12-34", u"Ivan", u"2360000-1101234567", u"00  12-34"},
        {u"\b\b", u"", u"", u""},
        {u"Ivan\b\bref", u"Ivan", u"", u"ref"},
        {u"\bacc\bref", u"", u"acc", u"ref"},
        {u"a\bb\bc\bd", u"a", u"b", u"c\bd"},
        {u"Ivan\bonly", u"Ivan", u"", u"only"},
        {u"Ivan\b", u"Ivan", u"", u""},
        {u"no separator", u"no separator", u"", u""},
        {u"", u"", u"", u""},
    };
    for (const auto &c : cases) {
        const PartnerParts parts = SplitPartner(QString::fromUtf16(c.entry));
        const QString shown = QString::fromUtf16(c.entry).replace(partnerSeparator, u'|');
        EXPECT_EQ(parts.name, QString::fromUtf16(c.name)) << shown.toStdString();
        EXPECT_EQ(parts.account, QString::fromUtf16(c.account)) << shown.toStdString();
        EXPECT_EQ(parts.reference, QString::fromUtf16(c.reference)) << shown.toStdString();
    }
}

TEST(SplitPartner, UndoesJoin)
{
    const PartnerParts parts = SplitPartner(joinPartner(u"Čačak\r\nd.o.o."_s, u" 123 "_s, u"HR01 12 34"_s));
    EXPECT_EQ(parts.name, u"Čačak\r\nd.o.o."_s);
    EXPECT_EQ(parts.account, u" 123 "_s);
    EXPECT_EQ(parts.reference, u"HR01 12 34"_s);
}

} // namespace
