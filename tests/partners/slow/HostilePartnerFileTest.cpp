#include "Bounds.h"
#include "FileBytes.h"
#include "QtPrinters.h"
#include "partners/PartnerFile.h"
#include "partners/PartnerList.h"

#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void writePartners(const QString &path, int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += "Partner " + QByteArray::number(i) + " d.o.o., Ilica 1\b2360000-1101234567\b05 123-" +
                 QByteArray::number(i) + "\r\n";
    writeFile(path, bytes);
}

// A million partners load and save byte for byte, in time and memory that grow with the file.
TEST(HostilePartnerFile, MillionEntriesLoadAndSaveInBoundedTime)
{
    constexpr int count = underAddressSanitizer ? 100000 : 1000000;
    QTemporaryDir dir;
    const auto pathOf = [&](qint64 entries) { return dir.filePath(QString::number(entries)); };
    for (const int entries : {count / 4, count})
        writePartners(pathOf(entries), entries);

    const Growth growth = growthOf(
        [&](qint64 entries) {
            PartnerList list(pathOf(entries));
            list.LoadData();
            ASSERT_EQ(list.count(), entries);
            EXPECT_EQ(list.at(entries - 1),
                      u"Partner %1 d.o.o., Ilica 1\b2360000-1101234567\b05 123-%1"_s.arg(entries - 1));
            const QByteArray before = readAll(pathOf(entries));
            list.SaveData();
            EXPECT_TRUE(readAll(pathOf(entries)) == before) << "saving changed the file";
        },
        count / 4, count);
    EXPECT_TRUE(growth.within(8)) << growth;
    if (peakMemoryIsMeaningful) {
        PartnerList list(pathOf(count));
        EXPECT_LT(peakGrowthMbOf([&] { list.LoadData(); }), 600);
    }
}

// A file of random bytes is a list of whatever lines it holds up to its first NUL; it saves and loads
// back to the same list.
TEST(HostilePartnerFile, RandomBytesLoadAndSaveBackToTheSameList)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"DataZor.dat"_s);
    QByteArray bytes(10 << 20, Qt::Uninitialized);
    QRandomGenerator random(20011206);
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    for (const bool withNul : {true, false}) {
        if (!withNul)
            bytes.replace('\0', 'z');
        writeFile(path, bytes);

        PartnerList list(path);
        list.LoadData();
        list.SaveData();
        const QByteArray read = withNul ? bytes.left(bytes.indexOf('\0')) : bytes;
        EXPECT_EQ(list.entries(), PartnerFile::fromBytes(read));
        const QStringList saved = list.entries();
        list.LoadData();
        // Bytes that Windows-1250 leaves undefined come back as "?" once saved; nothing else changes.
        const QStringList again = list.entries();
        ASSERT_EQ(again.size(), saved.size());
        for (qsizetype i = 0; i < saved.size(); ++i) {
            QString expected = saved[i];
            expected.replace(QChar::ReplacementCharacter, u'?');
            ASSERT_EQ(again[i], expected) << i;
        }
    }
}

} // namespace
