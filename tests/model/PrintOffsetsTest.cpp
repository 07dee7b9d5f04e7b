#include "model/PrintOffsets.h"
#include "QtPrinters.h"
#include "TemporaryStore.h"
#include "ThrownError.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

TEST(PrintOffsets, BothAreZeroUnlessBothAreWholeNumbers)
{
    const struct
    {
        std::optional<QString> dX, dY;
        qint32 x, y;
    } cases[] = {
        {u"5"_s, u"-3"_s, 5, -3},     {u"  10"_s, u"$1F"_s, 10, 31},   {std::nullopt, std::nullopt, 0, 0},
        {u"7"_s, std::nullopt, 0, 0}, {u"abc"_s, u"7"_s, 0, 0},        {u"7"_s, u"-"_s, 0, 0},
        {u"7 "_s, u"1"_s, 0, 0},      {u"2147483648"_s, u"1"_s, 0, 0},
    };
    for (const auto &c : cases) {
        TemporaryStore t;
        if (c.dX)
            t.store().WriteSetting(u"dX"_s, *c.dX);
        if (c.dY)
            t.store().WriteSetting(u"dY"_s, *c.dY);
        const PrintOffsets offsets = ReadPrintOffsets(t.store());
        EXPECT_EQ(offsets.dX, c.x) << c.dX.value_or(u"absent"_s).toStdString();
        EXPECT_EQ(offsets.dY, c.y) << c.dY.value_or(u"absent"_s).toStdString();
    }
}

TEST(PrintOffsets, AreStoredAsDecimalTexts)
{
    TemporaryStore t;
    WritePrintOffsets(t.store(), {5, -3});
    EXPECT_EQ(t.store().ReadSetting(u"dX"_s), u"5"_s);
    EXPECT_EQ(t.store().ReadSetting(u"dY"_s), u"-3"_s);
    const PrintOffsets back = ReadPrintOffsets(t.another());
    EXPECT_EQ(back.dX, 5);
    EXPECT_EQ(back.dY, -3);
}

TEST(PrintOffsets, StoredIntegerIsATypeErrorNotAZeroOffset)
{
    TemporaryStore t;
    auto key = t.store().OpenKey(SettingsStore::mainKeyPath(), true, KeyAccess::ReadWrite);
    ASSERT_TRUE(key);
    key->WriteInteger(u"dY"_s, 4);
    key->CloseKey();
    EXPECT_EQ(thrownErrorOf([&] { ReadPrintOffsets(t.store()); }), u"Invalid data type for 'dY'"_s);
}

} // namespace
