#include "batch/PartnerSlips.h"
#include "Hub3aRecordOf.h"
#include "PdfSlips.h"
#include "batch/SlipBatchPdf.h"
#include "model/TextFile.h"
#include "partners/PartnerEntry.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using F = Hub3aField;

// A partner name of several lines, as the partner file keeps it (memoToOneLine).
QString nameLines(const QStringList &lines)
{
    return memoToOneLine(lines.join(u"\r\n"_s));
}

Hub3aRecord tabRecord()
{
    return hub3aRecordOf({{F::PayerName, u"Zadani platitelj"_s},
                          {F::PayerModel, u"HR01"_s},
                          {F::RecipientName, u"Zgrada Ilica 1"_s},
                          {F::RecipientIban, u"HR1210010051863000160"_s},
                          {F::RecipientModel, u"HR00"_s},
                          {F::RecipientReference, u"2026-03"_s},
                          {F::Description, u"Pričuva za ožujak"_s},
                          {F::Amount, u"45,30"_s}});
}

TEST(PartnerSlips, EachPartnerIsThePayerAndTheRestComesFromTheTab)
{
    const struct
    {
        const char *name;
        QString entry;
        QString payerName, payerStreet, payerPlace, iban, model, reference;
    } cases[] = {
        {"name lines, IBAN and a full model",
         joinPartner(nameLines({u"Ana Đurić"_s, u"Ilica 1"_s, u"10000 Zagreb"_s}), u"HR1210010051863000160"_s,
                     u"HR01 102-3057-89016"_s),
         u"Ana Đurić"_s, u"Ilica 1"_s, u"10000 Zagreb"_s, u"HR1210010051863000160"_s, u"HR01"_s,
         u"102-3057-89016"_s},
        {"an old account and an old model",
         joinPartner(u"Ivo Šimić"_s, u"1001005-1863000160"_s, u" 01 102-3057-89016"_s), u"Ivo Šimić"_s,
         QString(), QString(), u"HR1210010051863000160"_s, u"HR01"_s, u"102-3057-89016"_s},
        {"a name alone clears the base's payer", u"Eva"_s, u"Eva"_s, QString(), QString(), QString(),
         QString(), QString()},
        {"a long name on one line splits at its commas", u"Ana Đurić Kovačević, Ilica 1, 10000 Zagreb"_s,
         u"Ana Đurić Kovačević"_s, u"Ilica 1"_s, u"10000 Zagreb"_s, QString(), QString(), QString()},
        {"a short one as well", u"Ana Ban, Ilica 1, Zagreb"_s, u"Ana Ban"_s, u"Ilica 1"_s, u"Zagreb"_s,
         QString(), QString(), QString()},
        {"a short name with one comma stays whole", u"Ban, obrt"_s, u"Ban, obrt"_s, QString(), QString(),
         QString(), QString(), QString()},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Hub3aTable table = partnerSlips({c.entry}, tabRecord());
        ASSERT_TRUE(table.problems.isEmpty()) << table.problems.value(0).message.toStdString();
        ASSERT_EQ(table.slips.size(), 1);
        expectHub3aFields(table.slips[0].record, {{F::PayerName, c.payerName},
                                                  {F::PayerStreet, c.payerStreet},
                                                  {F::PayerPlace, c.payerPlace},
                                                  {F::PayerIban, c.iban},
                                                  {F::PayerModel, c.model},
                                                  {F::PayerReference, c.reference},
                                                  {F::RecipientName, u"Zgrada Ilica 1"_s},
                                                  {F::Amount, u"45,30"_s}});
    }
}

TEST(PartnerSlips, PartnersThatDoNotFitTheSlipAreReportedByTheirPlace)
{
    const QStringList entries{
        u"Dobar"_s,
        u"Ime@firma"_s,
        nameLines({u"Jedan"_s, u"Dva"_s, u"10000 Zagreb"_s, u"Donji grad, ulaz s dvorišta"_s}),
        joinPartner(u"Račun"_s, u"12345"_s, QString()),
        joinPartner(u"Poziv"_s, QString(), u"HR01 102-3057-89017"_s),
        joinPartner(u"Model"_s, QString(), u"H-1 1234"_s),
    };
    const Hub3aTable table = partnerSlips(entries, tabRecord());
    ASSERT_EQ(table.slips.size(), 1);
    EXPECT_EQ(table.slips[0].row, 1);
    EXPECT_EQ(refusedRows(table.problems), (QList<int>{2, 3, 4, 5, 6}));
    // The fourth name line joins the place.
    const QString columns[] = {u"platitelj_naziv"_s, u"platitelj_mjesto"_s, u"iban_platitelja"_s,
                               u"poziv_platitelja"_s, u"model_platitelja"_s};
    for (qsizetype i = 0; i < std::ssize(columns); ++i)
        EXPECT_EQ(table.problems[i].column, columns[i]) << i;
    EXPECT_EQ(reportCsv(table.problems).split('\n')[1], "Ime@firma;platitelj_naziv;Nedopušteni znakovi: @\r");
    EXPECT_EQ(table.problems[1].message, u"Dulje od 27 znakova"_s);
}

TEST(PartnerSlips, TwentyPartnersPrintToAPdfWhoseEveryBarcodeReadsBack)
{
    QStringList entries;
    for (int i = 1; i <= 20; ++i)
        entries.append(
            joinPartner(nameLines({u"Stan %1 Kovačević"_s.arg(i), u"Ilica 1"_s, u"10000 Zagreb"_s}),
                        u"HR1210010051863000160"_s, u"HR00 %1"_s.arg(i)));
    const Hub3aTable table = partnerSlips(entries, tabRecord());
    ASSERT_EQ(table.slips.size(), 20);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"stanari.pdf"_s);
    EXPECT_EQ(writeSlipPdf(pdf, table.slips, {3, PrintMode::Complete}).written, 20);
    EXPECT_EQ(pdfPages(pdf), 7);
    EXPECT_EQ(barcodesOf(pdf, 3, 300), payloadsOf(table.slips));
}

} // namespace
