#include "model/CsvTable.h"
#include "ThrownError.h"
#include "model/Win1250.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

struct ParseCase
{
    const char *name;
    QByteArray bytes;
    QStringList header;
    QList<QStringList> rows;
    QList<int> numbers;
};

TEST(CsvTable, ReadsEncodingsSeparatorsAndQuotedFields)
{
    const QByteArray bom = "\xEF\xBB\xBF";
    const QByteArray sapica = Win1250::encode(u"Šapica;Đurđa"_s);
    // Each row: what it shows, the bytes, then the header, the rows and their numbers read.
    const ParseCase cases[] = {
        // clang-format off
        {"UTF-8 with a byte order mark, ';'", bom + "a;b\r\n1;2\r\n",
         {u"a"_s, u"b"_s}, {{u"1"_s, u"2"_s}}, {1}},
        {"UTF-8 without one, ','", "a,b\n1,2\n3,4",
         {u"a"_s, u"b"_s}, {{u"1"_s, u"2"_s}, {u"3"_s, u"4"_s}}, {1, 2}},
        {"UTF-8 letters", "ime\nČaćić Đurđa\n", {u"ime"_s}, {{u"Čaćić Đurđa"_s}}, {1}},
        {"Windows-1250 letters", "x;y\n" + sapica + "\n", {u"x"_s, u"y"_s}, {{u"Šapica"_s, u"Đurđa"_s}}, {1}},
        {"the header's first separator decides", "a;b\n1,5;2\n", {u"a"_s, u"b"_s}, {{u"1,5"_s, u"2"_s}}, {1}},
        {"a quoted separator in the header does not", "\"a;x\",b\n1,2\n",
         {u"a;x"_s, u"b"_s}, {{u"1"_s, u"2"_s}}, {1}},
        {"quoted separators, quotes and line breaks", "a;b\n\"x;y\";\"say \"\"hi\"\"\r\nbye\"\n",
         {u"a"_s, u"b"_s}, {{u"x;y"_s, u"say \"hi\"\r\nbye"_s}}, {1}},
        {"blank rows are left out and keep their numbers", "a;b\n1;2\n\n;\n  ;\n3;4\n",
         {u"a"_s, u"b"_s}, {{u"1"_s, u"2"_s}, {u"3"_s, u"4"_s}}, {1, 5}},
        {"a quoted line break does not start a row", "a\n\"1\n2\"\n3\n",
         {u"a"_s}, {{u"1\n2"_s}, {u"3"_s}}, {1, 2}},
        {"CR alone ends a row; empty fields stay", "a;b;c\r1;;\r",
         {u"a"_s, u"b"_s, u"c"_s}, {{u"1"_s, QString(), QString()}}, {1}},
        {"a header without separators", "a\n1;2\n", {u"a"_s}, {{u"1"_s, u"2"_s}}, {1}},
        {"doubled quotes in a quoted header field", "\"a\"\";\",b\n1,2\n",
         {u"a\";"_s, u"b"_s}, {{u"1"_s, u"2"_s}}, {1}},
        {"a quote inside an unquoted field opens nothing", "a\"b;c\n1;2\n",
         {u"a\"b"_s, u"c"_s}, {{u"1"_s, u"2"_s}}, {1}},
        // clang-format on
    };
    EXPECT_EQ(CsvTable::parse(cases[2].bytes).encoding, u"UTF-8"_s);
    EXPECT_EQ(CsvTable::parse(cases[3].bytes).encoding, u"Windows-1250"_s);
    for (const ParseCase &c : cases) {
        SCOPED_TRACE(c.name);
        const CsvTable table = CsvTable::parse(c.bytes);
        EXPECT_EQ(table.header, c.header);
        ASSERT_EQ(table.rows.size(), c.rows.size());
        for (qsizetype i = 0; i < c.rows.size(); ++i) {
            EXPECT_EQ(table.rows[i].fields, c.rows[i]) << i;
            EXPECT_EQ(table.rows[i].number, c.numbers[i]) << i;
        }
    }
}

TEST(CsvTable, RefusesWhatIsNotATableNamingTheRow)
{
    const struct
    {
        QByteArray bytes;
        QString error;
    } cases[] = {
        {"", u"Tablica nema redak s nazivima stupaca"_s},
        {";;\n1;2;3\n", u"Tablica nema redak s nazivima stupaca"_s},
        {"a;b\n1;\"2\n3;4\n", u"Redak 1: navodnici nisu zatvoreni"_s},
        {"a;b\n1;2\n\"x\"y;2\n", u"Redak 2: tekst iza zatvorenih navodnika"_s},
        {"\"a;b\n", u"Zaglavlje: navodnici nisu zatvoreni"_s},
        // UTF-8 letters beside a stray byte: read as Windows-1250, "Ț" would pay as "Čš".
        // Rows are counted as the report counts them: the first after the header is row 1, and a
        // quoted cell's line end does not start a row.
        {"ime\nIon \xC8\x9Aurcan\nAna\xA0\n",
         u"Tablica nije ispravan UTF-8: bajt 0xa0 u retku 2, 4. bajt u retku"_s},
        {"\xEF\xBB\xBFime\nAna\xA0\n",
         u"Tablica nije ispravan UTF-8: bajt 0xa0 u retku 1, 4. bajt u retku"_s},
        {"\xEF\xBB\xBFime;opis\nAna;\"dva\nretka\"\nIvo\xA0;x\n",
         u"Tablica nije ispravan UTF-8: bajt 0xa0 u retku 2, 4. bajt u retku"_s},
        {"\xEF\xBB\xBFim\xA0\nAna\n",
         u"Tablica nije ispravan UTF-8: bajt 0xa0 u zaglavlju, 3. bajt u retku"_s},
        {"ime\nAn\x81"
         "a\n",
         u"Tablica nije ni UTF-8 ni Windows-1250: bajt 0x81 u retku 1, 3. bajt u retku"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(thrownErrorOf([&] { CsvTable::parse(c.bytes); }), c.error) << c.bytes.toStdString();
}

TEST(CsvTable, WrittenRowsReadBackWithABomAndCrLf)
{
    const QList<QStringList> rows{
        {u"redak"_s, u"poruka"_s}, {u"1"_s, u"a;b \"c\"\nd"_s}, {u"2"_s, u"Čćđšž, plain"_s}};
    const QByteArray bytes = CsvTable::toBytes(rows);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFredak;poruka\r\n1;\"a;b \"\"c\"\"\nd\"\r\n"));
    const CsvTable table = CsvTable::parse(bytes);
    EXPECT_EQ(table.header, rows[0]);
    ASSERT_EQ(table.rows.size(), 2);
    EXPECT_EQ(table.rows[0].fields, rows[1]);
    EXPECT_EQ(table.rows[1].fields, rows[2]);
}

// The table is read in chunks of 64 KiB: letters of several bytes, CR LF, doubled quotes and
// quoted line breaks that straddle a chunk's end, and a field longer than several chunks, read
// as they were written, in UTF-8 and in Windows-1250.
TEST(CsvTable, LongTablesReadAcrossTheChunksTheyAreReadIn)
{
    QList<QStringList> rows{{u"a"_s, u"b"_s, u"c"_s}};
    for (int i = 0; i < 4000; ++i)
        rows.append({u"Čćđšž %1"_s.arg(i), QString(i % 7, u'x') + u"\"q\";\r\nž"_s, QString::number(i)});
    rows.append({QString(300000, u'đ'), u"kraj"_s, QString()});
    const QByteArray utf8 = CsvTable::toBytes(rows);
    QByteArray windows1250 = Win1250::encode(QString::fromUtf8(utf8.mid(3)));
    for (const QByteArray &bytes : {utf8, windows1250}) {
        const CsvTable table = CsvTable::parse(bytes);
        EXPECT_EQ(table.header, rows[0]);
        ASSERT_EQ(table.rows.size(), rows.size() - 1);
        for (qsizetype i = 1; i < rows.size(); ++i)
            ASSERT_EQ(table.rows[i - 1].fields, rows[i]) << i;
    }
}

} // namespace
