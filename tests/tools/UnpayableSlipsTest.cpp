#include "UnpayableSlips.h"
#include "ToolRun.h"
#include "bankfile/Pain001Checks.h"
#include "batch/Hub3aTable.h"
#include "model/SlipFile.h"
#include "scan/SlipPayload.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace Qt::StringLiterals;

// Each slip that cannot pay is refused by every file the tool draws or writes from a slip file,
// by the batch, by the bank file and by a scan's verdict; none gives a picture, page or barcode.
TEST(UnpayableSlips, EveryOutputRefusesEachSlipThatCannotPay)
{
    QTemporaryDir dir;
    Pain001::Options bank;
    bank.today = QDate(2026, 1, 1);
    for (const UnpayableSlip &slip : unpayableSlips()) {
        const QString path = dir.filePath(QLatin1StringView(slip.name) + u".txt"_s);
        ASSERT_TRUE(writeFileBytes(path, SlipFile::toBytes(slip.record())));
        for (const char *suffix : {".png", ".pdf", ".jsonl"}) {
            const QString out = dir.filePath(QLatin1StringView(slip.name) + QLatin1StringView(suffix));
            const ToolRun run = render({path, u"-o"_s, out});
            EXPECT_EQ(run.status, 2) << slip.name << suffix;
            EXPECT_TRUE(run.errors.contains(path)) << run.errors.toStdString();
            EXPECT_FALSE(QFile::exists(out)) << slip.name << suffix;
        }
        const ToolRun payload = render({path, u"--payload"_s});
        EXPECT_EQ(payload.status, 2) << slip.name;
        EXPECT_TRUE(payload.out.isEmpty()) << slip.name;
        // A field breaking its rule is bad input (2), a failed check 1: never 0.
        EXPECT_NE(render({path, u"--check"_s}).status, 0) << slip.name;

        EXPECT_FALSE(checkHub3aRow(1, slip.record(), {}).problems.isEmpty()) << slip.name;
        const QList<Hub3aProblem> orders = Pain001::orderProblems(slip.record(), bank);
        EXPECT_TRUE(std::any_of(orders.begin(), orders.end(), [&](const Hub3aProblem &problem) {
            return problem.field == slip.field;
        })) << slip.name;
        EXPECT_FALSE(slipVerdict({slip.record(), {}, {}}).isEmpty()) << slip.name;
    }
}

TEST(UnpayableSlips, ABlankTemplateStillRendersAndAPayableSlipRendersWhole)
{
    QTemporaryDir dir;
    const QString blank = dir.filePath(u"blank.txt"_s);
    ASSERT_TRUE(writeFileBytes(blank, SlipFile::toBytes(Hub3aRecord())));
    const ToolRun blankTemplate = render(
        {blank, u"--style"_s, u"print"_s, u"--mode"_s, u"template"_s, u"-o"_s, dir.filePath(u"t.pdf"_s)});
    EXPECT_EQ(blankTemplate.status, 0) << blankTemplate.errors.toStdString();
    EXPECT_EQ(render({blank, u"-o"_s, dir.filePath(u"b.pdf"_s)}).status, 2);
    const QString full = dir.filePath(u"full.txt"_s);
    ASSERT_TRUE(writeFileBytes(full, SlipFile::toBytes(fullHub3aRecord())));
    EXPECT_EQ(render({full, u"-o"_s, dir.filePath(u"f.pdf"_s)}).status, 0);
}

} // namespace
