#include "FreshBook.h"
#include "PdfPageCount.h"
#include "ToolRun.h"

#include "book/PaymentBook.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

const QByteArray header = "platitelj_naziv;iznos;opis\n";

QString writeTable(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(u"rows.csv"_s);
    EXPECT_TRUE(writeFileBytes(path, bytes));
    return path;
}

TEST(BatchTool, ExitsZeroForAllRowsOneForRefusedOnesAndTwoForBadInput)
{
    const struct
    {
        const char *name;
        QByteArray table;
        QStringList options;
        int status;
        int pages; // 0: no file
        QStringList reportLines;
    } cases[] = {
        {"all rows, three a page", header + "Ana;1,00;A\nIvo;2,00;B\nEva;3,00;C\nMia;4,00;D\n", {}, 0, 2, {}},
        {"all rows, one a page", header + "Ana;1,00;A\nIvo;2,00;B\n", {u"--per-page"_s, u"1"_s}, 0, 2, {}},
        {"data only", header + "Ana;1,00;A\n", {u"--mode"_s, u"data"_s}, 0, 1, {}},
        // clang-format off
        {"a bad row is refused", header + "Ana;1,00;A\nIvo;x;B\nEva;3,00;C@\n", {}, 1, 1,
         {uR"({"row":2,"column":"iznos","message":"Iznos nije iznos u eurima u obliku 1.234,56"})"_s,
          uR"x({"row":3,"column":"opis","message":"Nedopušteni znakovi: @ (tablica je pročitana kao UTF-8)"})x"_s}},
        {"every row refused", header + "Ivo;x;B\n", {}, 1, 0,
         {uR"({"row":1,"column":"iznos","message":"Iznos nije iznos u eurima u obliku 1.234,56"})"_s}},
        // clang-format on
        {"an unknown column", "platitelj;iznos\nAna;1,00\n", {}, 2, 0, {}},
        {"a quote left open", header + "\"Ana;1,00;A\n", {}, 2, 0, {}},
        {"no rows", header, {}, 2, 0, {}},
        {"a bad page count", header + "Ana;1,00;A\n", {u"--per-page"_s, u"2"_s}, 2, 0, {}},
        {"a slip-file option", header + "Ana;1,00;A\n", {u"--style"_s, u"print"_s}, 2, 0, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const FreshBook book;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(u"slips.pdf"_s);
        const ToolRun run = render(QStringList{u"--batch"_s, writeTable(dir, c.table), u"-o"_s, pdf,
                                               u"--base"_s, testDataPath("hub3a/full.txt")} +
                                   c.options);
        EXPECT_EQ(run.status, c.status) << run.errors.toStdString();
        EXPECT_EQ(c.pages ? pdfPages(pdf) : 0, c.pages);
        EXPECT_EQ(QFile::exists(pdf), c.pages > 0);
        EXPECT_EQ(reportLines(run.errors), c.reportLines);
        if (c.status == 2) {
            EXPECT_TRUE(run.errors.startsWith(u"zorprint-render: "_s)) << run.errors.toStdString();
        }
    }
}

TEST(BatchTool, RecordsEverySlipAndLeavesOutWhatWasPaid)
{
    const FreshBook book;
    QTemporaryDir dir;
    const QString table = writeTable(dir, header + "Ana;1,00;A\nIvo;2,00;B\n");
    const struct
    {
        const char *pdf;
        QStringList options;
        int status;
        int pages;
        int repeats;
    } runs[] = {
        {"first.pdf", {}, 0, 1, 0},
        {"again.pdf", {}, 1, 0, 2},
        {"allowed.pdf", {u"--allow-repeat"_s}, 0, 1, 2},
    };
    for (const auto &run : runs) {
        SCOPED_TRACE(run.pdf);
        const QString pdf = dir.filePath(QLatin1StringView(run.pdf));
        const ToolRun done = render(
            QStringList{u"--batch"_s, table, u"-o"_s, pdf, u"--base"_s, testDataPath("hub3a/full.txt")} +
            run.options);
        EXPECT_EQ(done.status, run.status) << done.errors.toStdString();
        EXPECT_EQ(run.pages ? pdfPages(pdf) : 0, run.pages);
        EXPECT_EQ(reportLines(done.errors).size(), run.repeats) << done.errors.toStdString();
    }
    const QList<BookEntry> entries = PaymentBook(book.bookPath()).entries();
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[1].payment.way, BookWay::Pdf);
    EXPECT_EQ(entries[1].payment.wayFile, dir.filePath(u"first.pdf"_s));
    EXPECT_EQ(entries[1].payment.origin.place, 2);
    EXPECT_EQ(entries[1].payment.record[Hub3aField::PayerName], u"Ivo"_s);
    EXPECT_EQ(entries[3].payment.wayFile, dir.filePath(u"allowed.pdf"_s));
}

TEST(BatchTool, MissingColumnsComeFromTheBaseSlipFile)
{
    const FreshBook book;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"slips.pdf"_s);
    const QString base = testDataPath("hub3a/full.txt");
    // The base's recipient reference fails its HR00 check only if it is taken: it is valid, so both
    // rows pass; an invalid column value in the table still refuses its row.
    const ToolRun run = render(
        {u"--batch"_s,
         writeTable(dir, "iznos;iban_primatelja\n1,00;HR1210010051863000160\n2,00;HR1210010051863000161\n"),
         u"-o"_s, pdf, u"--base"_s, base});
    EXPECT_EQ(run.status, 1) << run.errors.toStdString();
    EXPECT_EQ(pdfPages(pdf), 1);
    EXPECT_TRUE(run.errors.contains(uR"({"row":2,"column":"iban_primatelja")"_s)) << run.errors.toStdString();

    // Without a recipient in the table or the base every row would be unpayable: said once, exit 2.
    const ToolRun none = render({u"--batch"_s, writeTable(dir, header + "Ana;1,00;A\nIvo;2,00;B\n"), u"-o"_s,
                                 dir.filePath(u"none.pdf"_s)});
    EXPECT_EQ(none.status, 2);
    EXPECT_EQ(none.errors.count(u"Naziv primatelja je obavezan"_s), 1) << none.errors.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(u"none.pdf"_s)));
}

TEST(BatchTool, RefusesAnOutputThatCannotBeWrittenIsAnInputOrIsNoPdf)
{
    const FreshBook book;
    QTemporaryDir dir;
    const QString table = writeTable(dir, header + "Ana;1,00;A\n");
    const QString base = dir.filePath(u"base.txt"_s);
    QFile::copy(testDataPath("hub3a/full.txt"), base);
    const struct
    {
        const char *name;
        QStringList arguments;
        QString output;
        QString message;
    } cases[] = {
        // clang-format off
        {"a missing folder", {u"--batch"_s, table}, dir.filePath(u"missing/x.pdf"_s),
         u"ne može se stvoriti"_s},
        // clang-format on
        {"the table", {u"--batch"_s, table}, table, u"je i ulazna"_s},
        {"the base", {u"--batch"_s, table, u"--base"_s, base}, base, u"je i ulazna"_s},
        {"the slip file", {base}, base, u"je i ulazna"_s},
        {"a png", {u"--batch"_s, table}, dir.filePath(u"y.png"_s), u"--batch writes .pdf or .xml, not"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const bool existed = QFileInfo::exists(c.output);
        const qint64 size = QFileInfo(c.output).size();
        const ToolRun run = render(c.arguments + QStringList{u"-o"_s, c.output});
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.errors.contains(c.message)) << run.errors.toStdString();
        EXPECT_EQ(QFileInfo::exists(c.output), existed);
        EXPECT_EQ(QFileInfo(c.output).size(), size) << "an input is kept";
    }
}

} // namespace
