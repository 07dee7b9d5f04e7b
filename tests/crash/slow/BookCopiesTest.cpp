#include "CrashContent.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Three running copies record bank files' worth of payments into one book at the same time, each
// waiting for the others' transactions: every payment of every copy is kept, none twice.
TEST(BookCopies, ThreeCopiesWritingAtOnceKeepEveryEntry)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("payments.db"));
    // Few enough that no copy waits past the book's busy timeout on a slow (sanitized) build.
    constexpr int files = 4;
    const QList<int> firsts = {0, 100, 200};
    std::vector<std::unique_ptr<QProcess>> copies;
    for (const int first : firsts) {
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->start(QStringLiteral(CRASH_WRITER_PATH),
                             {QStringLiteral("book"), path, QString::number(first), QString::number(files)});
    }
    for (const auto &copy : copies) {
        ASSERT_TRUE(copy->waitForFinished(120000));
        EXPECT_EQ(copy->exitCode(), 0) << copy->readAllStandardError().toStdString();
    }
    QMap<int, int> expected;
    for (const int first : firsts) {
        for (int g = first; g < first + files; ++g)
            expected[g] = bookPaymentsPerGeneration;
    }
    EXPECT_EQ(bookGenerations(path), expected);
}

} // namespace
