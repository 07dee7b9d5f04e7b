#include "batch/Hub3aTable.h"
#include "Bounds.h"
#include "Hub3aRecordOf.h"
#include "QtPrinters.h"
#include "UserErrorOf.h"
#include "batch/Hub3aTableFile.h"
#include "batch/Hub3aTableReader.h"
#include "model/CsvTable.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using F = Hub3aField;

Hub3aRecord tabRecord()
{
    return hub3aRecordOf({{F::RecipientName, u"Udruga Šapica"_s},
                          {F::RecipientIban, u"HR1210010051863000160"_s},
                          {F::RecipientModel, u"HR00"_s},
                          {F::RecipientReference, u"2026"_s},
                          {F::Description, u"Članarina"_s},
                          {F::Amount, u"10,00"_s}});
}

TEST(Hub3aTable, ColumnsInAnyOrderFillTheirFieldsAndMissingOnesComeFromTheBase)
{
    const Hub3aTable table = readHub3aTable(
        "iznos;platitelj_naziv;poziv_primatelja;hitno;datum_izvrsenja;sifra_namjene;model_primatelja\n"
        "1.234,56;Ivana Horvat;102-3057-89016;1;15012026;othr;hr01\n"
        "7; Marko Marić ;2024-2;0;;;HR00\n",
        tabRecord());
    EXPECT_TRUE(table.problems.isEmpty()) << table.problems.value(0).message.toStdString();
    ASSERT_EQ(table.slips.size(), 2);
    EXPECT_EQ(table.slips[0].row, 1);
    EXPECT_TRUE(table.slips[0].record.urgent());
    EXPECT_FALSE(table.slips[1].record.urgent());
    // Small letters of codes are raised, the name and description come from the base; cells are trimmed.
    // clang-format off
    expectHub3aFields(table.slips[0].record, {
        {F::Amount, u"1.234,56"_s}, {F::PayerName, u"Ivana Horvat"_s}, {F::ExecutionDate, u"15012026"_s},
        {F::RecipientReference, u"102-3057-89016"_s}, {F::PurposeCode, u"OTHR"_s},
        {F::RecipientModel, u"HR01"_s}, {F::RecipientName, u"Udruga Šapica"_s},
        {F::Description, u"Članarina"_s}});
    // clang-format on
    expectHub3aFields(table.slips[1].record,
                      {{F::PayerName, u"Marko Marić"_s}, {F::RecipientModel, u"HR00"_s}});
}

// A party named by the table takes no field of the base's party: no other person's account.
TEST(Hub3aTable, APartyWhoseNameIsAColumnTakesNoneOfItsFieldsFromTheBase)
{
    Hub3aRecord base = tabRecord();
    for (const auto &[field, text] : {std::pair{F::PayerName, u"Marko Marić"_s},
                                      {F::PayerStreet, u"Ilica 1"_s},
                                      {F::PayerIban, u"HR1210010051863000160"_s},
                                      {F::PayerModel, u"HR00"_s},
                                      {F::PayerReference, u"77"_s}})
        base.texts[static_cast<size_t>(field)] = text;
    const struct
    {
        const char *name;
        QByteArray table;
        const char16_t *payerName, *payerIban, *recipientName, *recipientReference;
        QList<F> fromBase;
    } cases[] = {
        {"the payer named",
         "platitelj_naziv;platitelj_mjesto\nAna Ban;Zagreb\n",
         u"Ana Ban",
         u"",
         u"Udruga Šapica",
         u"2026",
         {F::RecipientName, F::RecipientIban, F::RecipientModel, F::RecipientReference, F::Description,
          F::Amount}},
        {"the recipient named",
         "primatelj_naziv;iban_primatelja\nKlub;HR1210010051863000160\n",
         u"Marko Marić",
         u"HR1210010051863000160",
         u"Klub",
         u"",
         {F::PayerName, F::PayerStreet, F::PayerIban, F::PayerModel, F::PayerReference, F::Description,
          F::Amount}},
        {"an IBAN alone names no one",
         "iban_platitelja\nHR1210010051863000160\n",
         u"Marko Marić",
         u"HR1210010051863000160",
         u"Udruga Šapica",
         u"2026",
         {F::PayerName, F::PayerStreet, F::RecipientName, F::PayerModel, F::PayerReference, F::RecipientIban,
          F::RecipientModel, F::RecipientReference, F::Description, F::Amount}},
    };
    for (const auto &c : cases) {
        const Hub3aTable table = readHub3aTable(c.table, base);
        ASSERT_EQ(table.slips.size(), 1) << c.name << ": " << table.problems.value(0).message.toStdString();
        const Hub3aRecord &slip = table.slips[0].record;
        EXPECT_EQ(slip[F::PayerName], QString::fromUtf16(c.payerName)) << c.name;
        EXPECT_EQ(slip[F::PayerIban], QString::fromUtf16(c.payerIban)) << c.name;
        EXPECT_EQ(slip[F::RecipientName], QString::fromUtf16(c.recipientName)) << c.name;
        EXPECT_EQ(slip[F::RecipientReference], QString::fromUtf16(c.recipientReference)) << c.name;
        QBuffer device;
        device.setData(c.table);
        ASSERT_TRUE(device.open(QIODevice::ReadOnly));
        EXPECT_EQ(Hub3aTableReader(device, base).fromBase(), c.fromBase) << c.name;
    }
}

TEST(Hub3aTable, EveryColumnNameIsKnownAndTheirOrderIsTheFieldOrder)
{
    const QStringList names = hub3aColumnNames();
    ASSERT_EQ(names.size(), hub3aFieldCount);
    EXPECT_EQ(names.first(), u"platitelj_naziv"_s);
    EXPECT_EQ(names[static_cast<int>(F::RecipientIban)], u"iban_primatelja"_s);
    EXPECT_EQ(names.last(), u"hitno"_s);
    // A table with every column, every cell empty but the amount, reads.
    QStringList cells(names.size());
    cells[static_cast<int>(F::Amount)] = u"1,00"_s;
    cells[static_cast<int>(F::RecipientName)] = u"Udruga"_s;
    cells[static_cast<int>(F::RecipientIban)] = u"HR1210010051863000160"_s;
    const Hub3aTable table = readHub3aTable(CsvTable::toBytes({names, cells}), {});
    EXPECT_EQ(table.slips.size(), 1);
}

TEST(Hub3aTable, BadHeadersAreRefusedNamingTheColumn)
{
    const struct
    {
        QByteArray bytes;
        QString error;
    } cases[] = {
        {"iznos;platitelj;opis\n1;2;3\n", u"Nepoznat stupac: platitelj (2. stupac zaglavlja)"_s},
        {"iznos;Iznos\n", u"Nepoznat stupac: Iznos (2. stupac zaglavlja)"_s},
        {"iznos;opis;iznos\n", u"Stupac iznos je naveden dvaput (3. stupac zaglavlja)"_s},
        {"", u"Tablica nema redak s nazivima stupaca"_s},
        // A name of any length is quoted by its first 40 characters.
        {"iznos;" + QByteArray(100000, 'x') + "\n",
         u"Nepoznat stupac: "_s + QString(40, u'x') + u"… (100000 znakova) (2. stupac zaglavlja)"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(userErrorOf([&] { readHub3aTable(c.bytes, {}); }), c.error) << c.bytes.toStdString();
}

TEST(Hub3aTable, BadRowsAreReportedWithRowColumnAndReasonAndGoodOnesKept)
{
    const QByteArray bytes =
        "platitelj_naziv;iznos;iban_primatelja;model_primatelja;poziv_primatelja;datum_izvrsenja;hitno\n"
        "Dobar;1,00;HR1210010051863000160;HR01;102-3057-89016;;\n" // 1
        "Ime@mail;1,00;;;;;\n"                                     // 2
        "Predugačko ime platitelja koje ne stane;1,00;;;;;\n"      // 3
        "Iznos;12.34;;;;;\n"                                       // 4
        "Iznos;10.000.000.000.000,00;;;;;\n"                       // 5
        "IBAN;1,00;HR1210010051863000161;;;;\n"                    // 6
        "Poziv;1,00;HR1210010051863000160;HR01;102-3057-89017;;\n" // 7
        "Datum;1,00;;;;31022026;\n"                                // 8
        "Hitno;1,00;;;;;da\n"                                      // 9
        "Kratko;1,00\n"                                            // 10
        "\"Dva\nretka\";1,00;;;;;\n"                               // 11
        "Bez IBAN-a i iznosa;;;HR99;;01012027;1\n"                 // 12
        "Model;1,00;HR1210010051863000160;01;102-3057-89016;;\n";  // 13
    Hub3aRecord base;
    base.set(F::RecipientName, u"Udruga"_s);
    const Hub3aTable table = readHub3aTable(bytes, base);
    EXPECT_EQ(table.rowCount, 13);
    ASSERT_EQ(table.slips.size(), 1);
    EXPECT_EQ(table.slips[0].row, 1);
    // Each problem's row, column and message; where no message is given, any message.
    const RowProblem expected[] = {
        // clang-format off
        {2, u"platitelj_naziv"_s, u"Nedopušteni znakovi: @ (tablica je pročitana kao UTF-8)"_s},
        {3, u"platitelj_naziv"_s, u"Dulje od 30 znakova"_s},
        {4, u"iznos"_s, {}}, {5, u"iznos"_s, {}}, {6, u"iban_primatelja"_s, {}}, {7, u"poziv_primatelja"_s, {}},
        {8, u"datum_izvrsenja"_s, {}}, {9, u"hitno"_s, {}},
        {10, QString(), u"Redak ima 2 polja, a zaglavlje 7 stupaca"_s},
        {11, u"platitelj_naziv"_s, u"Polje ima više redaka"_s},
        {12, u"iban_primatelja"_s, u"IBAN primatelja je obavezan"_s},
        {12, u"iznos"_s, u"Iznos je obavezan, najmanje 0,01"_s},
        {13, u"model_primatelja"_s, {}},
        // clang-format on
    };
    ASSERT_EQ(table.problems.size(), std::ssize(expected));
    for (qsizetype i = 0; i < table.problems.size(); ++i) {
        const RowProblem &got = table.problems[i], &want = expected[i];
        EXPECT_EQ(got.row, want.row) << i;
        EXPECT_EQ(got.column, want.column) << i;
        EXPECT_FALSE(got.message.isEmpty()) << i;
        if (!want.message.isEmpty()) {
            EXPECT_EQ(got.message, want.message) << i;
        }
    }
    EXPECT_EQ(refusedRows(table.problems), (QList<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
}

TEST(Hub3aTable, ABaseWithoutRecipientReadsNoRowAndSaysWhatItLacksOnce)
{
    const Hub3aTable table = readHub3aTable("platitelj_naziv;iznos\nA;1,00\nB;2,00\n", {});
    EXPECT_TRUE(table.slips.isEmpty());
    EXPECT_TRUE(table.problems.isEmpty());
    QList<F> lacking;
    for (const Hub3aProblem &problem : table.baseMissing)
        lacking.append(problem.field);
    EXPECT_EQ(lacking, (QList<F>{F::RecipientName, F::RecipientIban}));
    // Columns that give what the base lacks are enough.
    const Hub3aTable given =
        readHub3aTable("primatelj_naziv;iban_primatelja;iznos\nUdruga;HR1210010051863000160;1,00\n", {});
    EXPECT_TRUE(given.baseMissing.isEmpty());
    EXPECT_EQ(given.slips.size(), 1);
}

TEST(Hub3aTable, ABaseThatFailsItsChecksRefusesEveryRow)
{
    Hub3aRecord base = tabRecord();
    base.set(F::RecipientIban, u"HR1210010051863000161"_s);
    const Hub3aTable table = readHub3aTable("platitelj_naziv\nA\nB\n", base);
    EXPECT_TRUE(table.slips.isEmpty());
    ASSERT_EQ(table.problems.size(), 2);
    EXPECT_EQ(table.problems[1], (RowProblem{2, u"iban_primatelja"_s, table.problems[0].message}));
}

TEST(Hub3aTable, TheReportSavesAsCsvThatReadsBack)
{
    const QList<RowProblem> problems{{2, u"opis"_s, u"Nedopušteni znakovi: @;"_s}, {5, QString(), u"x"_s}};
    const CsvTable report = CsvTable::parse(reportCsv(problems));
    EXPECT_EQ(report.header, (QStringList{u"redak"_s, u"stupac"_s, u"poruka"_s}));
    ASSERT_EQ(report.rows.size(), 2);
    EXPECT_EQ(report.rows[0].fields, (QStringList{u"2"_s, u"opis"_s, u"Nedopušteni znakovi: @;"_s}));
    EXPECT_EQ(report.rows[1].fields, (QStringList{u"5"_s, QString(), u"x"_s}));
}

// Reading a table whose every row is refused, and listing the refused rows of a report, grow with
// the table.
TEST(Hub3aTable, ManyRefusedRowsAreReadAndListedInTimeGrowingWithThem)
{
    const auto tableOf = [](qint64 rows) {
        QByteArray bytes = "platitelj_naziv;iznos\n";
        for (qint64 row = 1; row <= rows; ++row)
            bytes += "Ana;x" + QByteArray::number(row) + '\n';
        return bytes;
    };
    const auto problemsOf = [](qint64 rows) {
        QList<RowProblem> problems;
        for (int row = 1; row <= rows; ++row)
            problems.append({{row, u"iznos"_s, u"x"_s}, {row, u"opis"_s, u"y"_s}});
        return problems;
    };
    constexpr qint64 small = underAddressSanitizer ? 5000 : 20000, large = 4 * small;
    const QByteArray tables[] = {tableOf(small), tableOf(large)};
    const QList<RowProblem> problems[] = {problemsOf(small), problemsOf(large)};
    qsizetype read = 0, listed = 0;
    const Growth reading = growthOf(
        [&](qint64 rows) { read = readHub3aTable(tables[rows == large], tabRecord()).problems.size(); },
        small, large);
    const Growth listing =
        growthOf([&](qint64 rows) { listed = refusedRows(problems[rows == large]).size(); }, small, large);
    EXPECT_EQ(read, large);
    EXPECT_EQ(listed, large);
    EXPECT_TRUE(reading.within(8)) << reading;
    EXPECT_TRUE(listing.within(8)) << listing;
}

// A long table is checked and its slips given from its file a row at a time: memory does not grow
// with the table (held whole, these rows would take some 150 MB).
TEST(Hub3aTable, ALongTableFileIsCheckedAndReadWithoutHoldingItsRows)
{
    constexpr int rows = underAddressSanitizer ? 10000 : 150000;
    QTemporaryDir dir;
    const QString path = dir.filePath(u"table.csv"_s);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("platitelj_naziv;platitelj_mjesto;poziv_primatelja;opis;iznos\n");
        for (int row = 1; row <= rows; ++row)
            file.write(
                u"Član %1;10000 Zagreb;%1;Članarina za %1;%2,00\n"_s.arg(row).arg(row % 900 + 1).toUtf8());
    }
    Hub3aTableCheck check;
    int given = 0, lastRow = 0;
    const long growthMb = peakGrowthMbOf([&] {
        check = checkHub3aTableFile(path, tabRecord());
        const SlipSource slips = hub3aTableSlips(path, tabRecord());
        while (const std::optional<NumberedSlip> slip = slips()) {
            ++given;
            lastRow = slip->row;
        }
    });
    EXPECT_EQ(check.rowCount, rows);
    EXPECT_EQ(check.validSlips, rows);
    EXPECT_TRUE(check.problems.isEmpty());
    EXPECT_EQ(given, rows);
    EXPECT_EQ(lastRow, rows);
    if (peakMemoryIsMeaningful) {
        EXPECT_LT(growthMb, 30);
    }
}

} // namespace
