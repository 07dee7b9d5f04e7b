#include "partners/PartnerTextValidator.h"
#include "QtPrinters.h"
#include "ui/TextFilter.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

TEST(PartnerTextValidator, KeepsWhatAnEntryAndItsFileLineCanHold)
{
    const struct
    {
        const char *what;
        QString typed, kept;
    } cases[] = {
        {"Croatian letters and the euro sign", QStringLiteral("Čačak Đ š ž €"),
         QStringLiteral("Čačak Đ š ž €")},
        {"the entry separator",
         QStringLiteral("a\x08"
                        "b"),
         QStringLiteral("ab")},
        {"the file's line mark and NUL", QString::fromUtf16(u"a\x0B\0b", 4), QStringLiteral("ab")},
        {"tab and escape", QStringLiteral("a\tb\x1B"), QStringLiteral("ab")},
        {"line breaks of a memo name", QStringLiteral("Ivan\r\nZagreb"), QStringLiteral("Ivan\r\nZagreb")},
        {"letters outside Windows-1250", QStringLiteral("a\u4E2Db\u00E6"), QStringLiteral("ab")},
        {"a character outside the basic plane", QString::fromUtf16(u"a\U0001F600b"), QStringLiteral("ab")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(encodableWithoutControls(c.typed), c.kept) << c.what;
}

TEST(PartnerTextValidator, LineFieldDropsRefusedCharactersAndKeepsTheCursorInPlace)
{
    QLineEdit field;
    field.setValidator(new PartnerTextValidator(&field));
    field.setText(QStringLiteral("Ana Babić"));
    field.setCursorPosition(4);
    field.insert(QStringLiteral("\x08\u4E2DX"));
    EXPECT_EQ(field.text(), QStringLiteral("Ana XBabić"));
    EXPECT_EQ(field.cursorPosition(), 5);
}

} // namespace
