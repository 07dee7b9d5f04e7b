#include "Bounds.h"
#include "WindowFixture.h"

#include <string_view>

namespace {

using SlipFileCommandsTest = WindowFixture;

// Files as big as a slip file may be, a quarter of a megabyte in every field, load one over the
// other and are drawn in time that grows with them: letters, then digits (one run without a
// break), then spaces.
TEST_F(SlipFileCommandsTest, HugeFieldsLoadAndDrawInTimeGrowingWithThem)
{
    showWindow();
    for (const char *kind : {"UPLATNICA", "ZORVAT"}) {
        for (const char fill : {'x', '7', ' '}) {
            const auto fileOf = [&](qint64 fieldSize) {
                QByteArray bytes = QByteArray("TIP=") + kind + "\r\n";
                for (int field = 0; field < 14; ++field)
                    bytes += QByteArray(fieldSize, fill) + "\r\n";
                return bytes;
            };
            writeFile(path("small"), fileOf(62'500));
            writeFile(path("huge"), fileOf(250'000));
            const Growth growth = growthOf(
                [&](qint64 fieldSize) {
                    load(path(fieldSize == 250'000 ? "huge" : "small"));
                    QApplication::processEvents();
                },
                62'500, 250'000);
            EXPECT_TRUE(growth.within(8)) << kind << " " << fill << ": " << growth;
            const char *memo = kind == std::string_view("UPLATNICA") ? "Memo1" : "Nalogodavac";
            EXPECT_EQ(text(memo), QString(250'000, QLatin1Char(fill))) << kind << " " << fill;
        }
    }
    EXPECT_EQ(dialogs.errors, QStringList());
}

} // namespace
