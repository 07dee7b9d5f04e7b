#include "FileBytes.h"
#include "NearlyFullDisk.h"
#include "ThrownError.h"
#include "model/SlipFile.h"
#include "model/TextFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

using namespace Qt::StringLiterals;

namespace {

std::string sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().toStdString();
}

TEST(SafeWrite, AFullDiskKeepsTheOldFileByteForByteAndSaysWhy)
{
    // Small contents fit in the write buffer and used to be lost at the final flush; large ones
    // fail while being written. Both must fail the save and keep what was there.
    const struct
    {
        const char *name;
        qsizetype newSize;
        qint64 freeBytes;
        bool fileExists;
    } cases[] = {
        {"300 bytes over an old file, no room", 300, 0, true},
        {"300 bytes under a new name, no room", 300, 0, false},
        {"10 KB over an old file, 4 KiB free", 10'000, 4096, true},
        {"10 KB under a new name, 4 KiB free", 10'000, 4096, false},
        {"1 MB over an old file, 4 KiB free", 1 << 20, 4096, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        NearlyFullDisk disk;
        const QString path = disk.filePath(u"slip.txt"_s);
        const QByteArray old = SlipFile::toBytes(SlipRecord::blank(SlipKind::Uplatnica));
        if (c.fileExists) {
            ASSERT_TRUE(writeFileBytes(path, old));
        }
        disk.fill(c.freeBytes);

        const QString error =
            thrownErrorOf([&] { TextFile::writeAtomically(path, QByteArray(c.newSize, 'n')); });

        EXPECT_EQ(error, disk.isRealDisk() ? u"Disk full"_s : u"Stream write error"_s);
        if (c.fileExists)
            EXPECT_EQ(sha256(fileBytes(path)), sha256(old));
        else
            EXPECT_FALSE(QFile::exists(path));
        EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files),
                  c.fileExists ? QStringList{u"slip.txt"_s} : QStringList{});
    }
}

TEST(SafeWrite, ASlipSaveOnAFullDiskFailsAndAFitOneSucceeds)
{
    NearlyFullDisk disk;
    const QString path = disk.filePath(u"slip.txt"_s);
    SlipRecord record = SlipRecord::blank(SlipKind::Zorvat);
    record.texts[1] = u"Ivan Horvat"_s;
    SlipFile::save(path, record);
    disk.fill(0);
    EXPECT_FALSE(
        thrownErrorOf([&] { SlipFile::save(path, SlipRecord::blank(SlipKind::Uplatnica)); }).isEmpty());
    EXPECT_EQ(fileBytes(path), SlipFile::toBytes(record));
}

TEST(SafeWrite, OnlyRegularFilesAreReplacedOrRead)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(u"fifo"_s);
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = dir.filePath(u"folder"_s);
    ASSERT_TRUE(QDir().mkdir(folder));
    QStringList specials{fifo, folder};
    // A private character device (the same numbers as /dev/null) when the test may make one.
    const QString device = dir.filePath(u"null"_s);
    if (mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        specials.append(device);

    for (const QString &special : specials) {
        SCOPED_TRACE(special.toStdString());
        EXPECT_EQ(thrownErrorOf([&] { TextFile::writeAtomically(special, "x"); }),
                  u"Datoteka %1 ne može se stvoriti"_s.arg(special));
        // Reading refuses at once instead of waiting for a writer to open the pipe.
        EXPECT_EQ(thrownErrorOf([&] { SlipFile::load(special); }),
                  u"Datoteka %1 ne može se otvoriti"_s.arg(special));
        struct stat info
        {
        };
        ASSERT_EQ(stat(QFile::encodeName(special).constData(), &info), 0);
        EXPECT_FALSE(S_ISREG(info.st_mode)) << "the special file was replaced";
    }
}

TEST(SafeWrite, AnOutputIntoADeviceGoesStraightIn)
{
    EXPECT_EQ(thrownErrorOf([] { TextFile::writeOutput(u"/dev/null"_s, "bytes"); }), QString());
    struct stat info
    {
    };
    ASSERT_EQ(stat("/dev/null", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    if (QFile::exists(u"/dev/full"_s)) {
        EXPECT_EQ(thrownErrorOf([] { TextFile::writeOutput(u"/dev/full"_s, "bytes"); }), u"Disk full"_s);
    }
}

TEST(SafeWrite, ANameTooLongForTheFilesystemSaysSo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QString(300, u'n') + u".txt"_s);
    EXPECT_EQ(thrownErrorOf([&] { TextFile::writeAtomically(path, "x"); }),
              u"Naziv datoteke je predugačak: %1"_s.arg(path));
    const QString longest = dir.filePath(QString(255, u'n'));
    EXPECT_EQ(thrownErrorOf([&] { TextFile::writeAtomically(longest, "x"); }), QString());
}

} // namespace
