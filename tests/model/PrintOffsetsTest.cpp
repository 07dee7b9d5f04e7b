#include "model/PrintOffsets.h"
#include "QtPrinters.h"
#include "TemporaryStore.h"
#include "ThrownError.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(PrintOffsets, BothAreZeroUnlessBothAreWholeNumbers)
{
    const struct
    {
        std::optional<QString> dX, dY;
        qint32 x, y;
    } cases[] = {
        {QStringLiteral("5"), QStringLiteral("-3"), 5, -3},
        {QStringLiteral("  10"), QStringLiteral("$1F"), 10, 31},
        {std::nullopt, std::nullopt, 0, 0},
        {QStringLiteral("7"), std::nullopt, 0, 0},
        {QStringLiteral("abc"), QStringLiteral("7"), 0, 0},
        {QStringLiteral("7"), QStringLiteral("-"), 0, 0},
        {QStringLiteral("7 "), QStringLiteral("1"), 0, 0},
        {QStringLiteral("2147483648"), QStringLiteral("1"), 0, 0},
    };
    for (const auto &c : cases) {
        TemporaryStore t;
        if (c.dX)
            t.store().WriteSetting(QStringLiteral("dX"), *c.dX);
        if (c.dY)
            t.store().WriteSetting(QStringLiteral("dY"), *c.dY);
        const PrintOffsets offsets = ReadPrintOffsets(t.store());
        EXPECT_EQ(offsets.dX, c.x) << c.dX.value_or(QStringLiteral("absent")).toStdString();
        EXPECT_EQ(offsets.dY, c.y) << c.dY.value_or(QStringLiteral("absent")).toStdString();
    }
}

TEST(PrintOffsets, AreStoredAsDecimalTexts)
{
    TemporaryStore t;
    WritePrintOffsets(t.store(), {5, -3});
    EXPECT_EQ(t.store().ReadSetting(QStringLiteral("dX")), QStringLiteral("5"));
    EXPECT_EQ(t.store().ReadSetting(QStringLiteral("dY")), QStringLiteral("-3"));
    const PrintOffsets back = ReadPrintOffsets(t.another());
    EXPECT_EQ(back.dX, 5);
    EXPECT_EQ(back.dY, -3);
}

TEST(PrintOffsets, StoredIntegerIsATypeErrorNotAZeroOffset)
{
    TemporaryStore t;
    auto key = t.store().OpenKey(SettingsStore::mainKeyPath(), true, KeyAccess::ReadWrite);
    ASSERT_TRUE(key);
    key->WriteInteger(QStringLiteral("dY"), 4);
    key->CloseKey();
    EXPECT_EQ(thrownErrorOf([&] { ReadPrintOffsets(t.store()); }),
              QStringLiteral("Invalid data type for 'dY'"));
}

} // namespace
