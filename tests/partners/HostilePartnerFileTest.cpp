#include "Bounds.h"
#include "QtPrinters.h"
#include "partners/PartnerFile.h"
#include "partners/PartnerList.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A million partners load and save in bounded time, byte for byte.
TEST(HostilePartnerFile, MillionEntriesLoadAndSaveInBoundedTime)
{
    constexpr int count = underAddressSanitizer ? 100000 : 1000000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DataZor.dat"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < count; ++i)
            file.write("Partner " + QByteArray::number(i) + " d.o.o., Ilica 1\x08" +
                       "2360000-1101234567\x08" + "05 123-" + QByteArray::number(i) + "\r\n");
    }
    PartnerList list(path);
    const Cost load = costOf([&] { list.LoadData(); });
    ASSERT_EQ(list.count(), count);
    EXPECT_EQ(list.at(count - 1),
              QStringLiteral("Partner %1 d.o.o., Ilica 1\b2360000-1101234567\b05 123-%1").arg(count - 1));
    EXPECT_LT(load.time, 5s * sanitizerSlowdown);
    if (peakMemoryIsMeaningful) {
        EXPECT_LT(load.peakGrowthMb, 600);
    }

    const QByteArray before = readAll(path);
    const Cost save = costOf([&] { list.SaveData(); });
    EXPECT_LT(save.time, 5s * sanitizerSlowdown);
    EXPECT_TRUE(readAll(path) == before) << "saving changed the file";
}

// A file of random bytes is a list of whatever lines it holds up to its first NUL; it saves and loads
// back to the same list.
TEST(HostilePartnerFile, RandomBytesLoadAndSaveBackToTheSameList)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DataZor.dat"));
    QByteArray bytes(10 << 20, Qt::Uninitialized);
    QRandomGenerator random(20011206);
    random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / 4);
    for (const bool withNul : {true, false}) {
        if (!withNul)
            bytes.replace('\0', 'z');
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        PartnerList list(path);
        const Cost cost = costOf([&] {
            list.LoadData();
            list.SaveData();
        });
        EXPECT_LT(cost.time, 5s * sanitizerSlowdown);
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
