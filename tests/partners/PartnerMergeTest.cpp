#include "partners/PartnerMerge.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QStringList split(const char *letters)
{
    QStringList list;
    for (const char *p = letters; *p; ++p)
        list.append(QString(QLatin1Char(*p)));
    return list;
}

// "a0X1N-": entry a from line 0, X from line 1, N added.
QList<TrackedPartner> tracked(const char *pairs)
{
    QList<TrackedPartner> own;
    for (const char *p = pairs; p[0] && p[1]; p += 2)
        own.append({QString(QLatin1Char(p[0])), p[1] == '-' ? -1 : qsizetype(p[1] - '0')});
    return own;
}

TEST(PartnerMerge, KeepsTheOtherCopysSaveAndAppliesOwnChanges)
{
    // Entries are single letters.
    const struct
    {
        const char *name, *asRead;
        const char *own, *current, *merged;
    } cases[] = {
        {"both added", "ab", "a0b1A-", "abB", "abBA"},
        {"own delete, their add", "abc", "a0c2", "abcD", "acD"},
        {"own change stays in place", "abc", "a0X1c2", "Zabc", "ZaXc"},
        {"their change kept", "abc", "a0b1c2N-", "aYc", "aYcN"},
        {"both changed one entry: own at the end", "ab", "a0X1", "aY", "aYX"},
        {"they deleted what own kept", "abc", "a0b1c2N-", "ac", "acN"},
        {"both deleted", "abc", "a0c2", "ac", "ac"},
        {"duplicates keep their count", "aab", "a0b2", "aabC", "abC"},
        {"nothing read", "", "N-", "xy", "xyN"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mergePartnerLists(split(c.asRead), tracked(c.own), split(c.current)), split(c.merged));
    }
}

} // namespace
