#include "render/CellHeights.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

// The resized face gives the cell height that a font looked up at that size gives, for each face
// and weight the slips draw with, over the sizes of previews and prints and a few huge ones.
TEST(CellHeights, MatchTheFontsMetricsAtEverySize)
{
    std::vector<int> sizes;
    for (int size = 1; size <= 300; ++size)
        sizes.push_back(size);
    sizes.insert(sizes.end(), {477, 1000, 3001, 9999});
    for (const char *family : {"Arial", "Courier New"}) {
        for (const bool bold : {false, true}) {
            QFont font(QString::fromLatin1(family));
            font.setBold(bold);
            CellHeights cells(font);
            for (const int size : sizes) {
                font.setPixelSize(size);
                EXPECT_EQ(cells.at(size), QFontMetrics(font).height())
                    << family << (bold ? " bold" : "") << " at " << size << " pixels";
            }
        }
    }
}
