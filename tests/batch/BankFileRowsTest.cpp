#include "batch/BankFileRows.h"
#include "FileBytes.h"
#include "QtPrinters.h"
#include "batch/ScannedSlips.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;
using F = Hub3aField;
using Level = Pain002::RefusedOrder::Level;

Hub3aRecord slipFor(const QString &recipient)
{
    Hub3aRecord record;
    record.texts[size_t(F::RecipientName)] = recipient;
    return record;
}

TEST(BankFileRows, TheBanksRefusedOrdersAreTableRowsFromOneAndAWholeGroupIsNone)
{
    Pain002::Report report;
    for (const auto &[level, recipient] : {std::pair{Level::Message, u""_s},
                                           {Level::Order, u"Ana"_s},
                                           {Level::Group, u""_s},
                                           {Level::Order, u"Ivo"_s}}) {
        Pain002::RefusedOrder refused;
        refused.level = level;
        refused.slip = slipFor(recipient);
        report.refused.append(refused);
    }
    const QList<NumberedSlip> slips = refusedSlips(report);
    ASSERT_EQ(slips.size(), 2);
    EXPECT_EQ(slips[0].row, 1);
    EXPECT_EQ(slips[0].record[F::RecipientName], u"Ana"_s);
    EXPECT_EQ(slips[1].row, 2);
    EXPECT_EQ(slips[1].record[F::RecipientName], u"Ivo"_s);
    // The table the tool and the window save of them reads back as the same rows.
    const QList<ScannedSlip> scanned{{u"a.pdf"_s, 1, slipFor(u"Ana"_s), {}},
                                     {u"a.pdf"_s, 2, slipFor(u"Ivo"_s), {}}};
    EXPECT_EQ(ScannedSlips::tableCsv(scanned), hub3aTableCsv(slips));
}

TEST(BankFileRows, ABankFilesRefusedOrderIsARowWithTheFieldsColumn)
{
    const QList<RowProblem> problems =
        bankFileRowProblems({{3, F::PayerIban, u"IBAN platitelja: obavezan je u nalogu za banku"_s},
                             {5, std::nullopt, u"Nalog"_s}});
    EXPECT_EQ(problems, (QList<RowProblem>{
                            {3, u"iban_platitelja"_s, u"IBAN platitelja: obavezan je u nalogu za banku"_s},
                            {5, QString(), u"Nalog"_s}}));
}

} // namespace
