#include "CrashContent.h"
#include "QtPrinters.h"

#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <iostream>
#include <random>
#include <string>
#include <thread>

namespace {

// The kills of one saved kind: as many as fit in the time budget, at least the fewest that make the
// check mean something and at most the most that add to it. A busy machine or a sanitized build
// makes fewer kills, never a longer test: the budget keeps each kind far inside CTest's timeout.
constexpr int fewestKills = 20;
constexpr int mostKills = 200;
constexpr std::chrono::seconds killBudget{60};

// What a killed writer had reported: the last save begun and the last one ended.
struct Reported
{
    int lastBegun = -1;
    int lastEnded = -1;
};

// One run of crash-writer, its reports read from a pipe.
class WriterProcess
{
public:
    WriterProcess(SavedKind kind, const QString &path, int first)
    {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
        const std::string kindName = savedKindName(kind).toStdString();
        const std::string file = QFile::encodeName(path).toStdString();
        const std::string firstText = std::to_string(first);
        char *const argv[] = {const_cast<char *>(CRASH_WRITER_PATH), const_cast<char *>(kindName.c_str()),
                              const_cast<char *>(file.c_str()), const_cast<char *>(firstText.c_str()),
                              nullptr};
        if (posix_spawn(&m_pid, CRASH_WRITER_PATH, &actions, nullptr, argv, environ) != 0)
            m_pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        m_out = fds[0];
    }
    ~WriterProcess()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, nullptr, 0);
        }
        if (m_out >= 0)
            close(m_out);
    }
    WriterProcess(const WriterProcess &) = delete;
    WriterProcess &operator=(const WriterProcess &) = delete;

    bool started() const { return m_pid > 0 && m_out >= 0; }

    // Reads reports until the first save has ended; false when none ends within the time.
    bool waitForFirstSave(std::chrono::milliseconds timeout)
    {
        QElapsedTimer timer;
        timer.start();
        while (m_reported.lastEnded < 0) {
            const auto left = timeout.count() - timer.elapsed();
            pollfd fd{m_out, POLLIN, 0};
            if (left <= 0 || poll(&fd, 1, static_cast<int>(left)) <= 0 || !readSome())
                return false;
        }
        return true;
    }

    // Kills the writer where it stands and returns everything it reported.
    Reported killNow()
    {
        kill(m_pid, SIGKILL);
        int status = 0;
        waitpid(m_pid, &status, 0);
        m_pid = -1;
        while (readSome()) {
        }
        return m_reported;
    }

private:
    bool readSome()
    {
        char buffer[4096];
        const ssize_t count = read(m_out, buffer, sizeof buffer);
        if (count <= 0)
            return false;
        m_pending.append(buffer, static_cast<size_t>(count));
        for (size_t end; (end = m_pending.find('\n')) != std::string::npos; m_pending.erase(0, end + 1)) {
            const int generation = std::stoi(m_pending.substr(2, end - 2));
            (m_pending[0] == 'b' ? m_reported.lastBegun : m_reported.lastEnded) = generation;
        }
        return true;
    }

    pid_t m_pid = -1;
    int m_out = -1;
    std::string m_pending;
    Reported m_reported;
};

// Mean time of one save in this process, to spread the kills over whole saves.
std::chrono::microseconds timeOfOneSave(SavedKind kind, const QString &path)
{
    constexpr int rounds = 3;
    QElapsedTimer timer;
    timer.start();
    for (int g = 0; g < rounds; ++g)
        saveGeneration(kind, path, g);
    return std::chrono::microseconds(timer.nsecsElapsed() / 1000 / rounds);
}

class CrashSafety : public ::testing::TestWithParam<SavedKind>
{
};

// A writer saves generation after generation and is killed with SIGKILL at a random moment after its
// first save; the file (or the store) must then hold the last generation whose save ended or the one
// being saved, whole. Every kill starts a new writer on what the last one left.
TEST_P(CrashSafety, KilledSaveLeavesTheOldOrTheNewContentWhole)
{
    const SavedKind kind = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fileName = kind == SavedKind::Calibration ? QStringLiteral("settings.db")
                             : kind == SavedKind::Book      ? QStringLiteral("payments.db")
                                                            : QStringLiteral("saved.txt");
    const QString path = dir.filePath(fileName);
    const auto saveTime = timeOfOneSave(kind, path);
    int held = 2; // timeOfOneSave ends with generation 2
    ASSERT_EQ(generationHeld(kind, path), held);

    std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<long> delay(0, 2 * saveTime.count());
    int insideSave = 0, keptOld = 0;
    QElapsedTimer budget;
    budget.start();
    int kills = 0;
    for (; kills < mostKills && (kills < fewestKills || budget.elapsed() < killBudget.count() * 1000); ++kills) {
        WriterProcess writer(kind, path, held + 1);
        ASSERT_TRUE(writer.started());
        ASSERT_TRUE(writer.waitForFirstSave(std::chrono::seconds(60))) << "the writer saves nothing";
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        const Reported reported = writer.killNow();

        const std::optional<int> found = generationHeld(kind, path);
        const bool cutInSave = reported.lastBegun > reported.lastEnded;
        const bool oldOrNew = found == reported.lastEnded || (cutInSave && found == reported.lastBegun);
        ASSERT_TRUE(oldOrNew) << "kill " << kills << ": ended " << reported.lastEnded << ", begun "
                              << reported.lastBegun << ", held "
                              << (found ? std::to_string(*found) : std::string("nothing whole"));
        insideSave += cutInSave;
        keptOld += cutInSave && found == reported.lastEnded;
        held = *found;
    }
    // A kill between naming the finished temporary file and renaming it over the old one leaves that
    // file behind: it is whole, never a part. The store's journal may stay too, unused: SQLite rolls
    // a hot journal back at the next open, which the check above has done. The partner file's lock
    // file stays, empty. The book's write-ahead log and its index stay beside it while it is open, and
    // after a kill.
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : left) {
        if (name == fileName ||
            (kind == SavedKind::Calibration && name == fileName + QStringLiteral("-journal")) ||
            (kind == SavedKind::Partners && name == fileName + QStringLiteral(".lock")) ||
            (kind == SavedKind::Book &&
             (name == fileName + QStringLiteral("-wal") || name == fileName + QStringLiteral("-shm"))))
            continue;
        EXPECT_TRUE(name.startsWith(fileName + u'.') && kind != SavedKind::Calibration &&
                    kind != SavedKind::Book)
            << name.toStdString();
        EXPECT_TRUE(generationHeld(kind, dir.filePath(name))) << name.toStdString() << " is not whole";
    }
    std::cout << savedKindName(kind).toStdString() << ": " << kills << " kills in " << budget.elapsed() / 1000
              << " s, " << insideSave
              << " inside a save (" << keptOld << " kept the old content), " << left.size() - 1
              << " temporary files left, one save " << saveTime.count() << " us\n";
    EXPECT_GT(insideSave, kills / 2) << "the kills should mostly cut a save";
}

INSTANTIATE_TEST_SUITE_P(EverySavedKind, CrashSafety,
                         ::testing::Values(SavedKind::Partners, SavedKind::SlipFile, SavedKind::Calibration,
                                           SavedKind::Book),
                         [](const auto &info) { return savedKindName(info.param).toStdString(); });

} // namespace
