#pragma once

#include "Bounds.h"
#include "PrivateSpooler.h"
#include "UserErrorOf.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

#include <unistd.h>

inline const QString notAnswering = QStringLiteral("Poslužitelj ispisa ne odgovara.");
// The scheduler is waited for 4.5 s of wall time. The bound lies far above that wait, so a busy
// machine or a sanitized build never breaks it, and far below a call that waits for the scheduler
// without end (it would hold the dialog for minutes).
inline constexpr qint64 longestAllowedMs = underAddressSanitizer ? 30000 : 15000;

// A scheduler of this test alone, so that stopping it holds up no other test program; the
// process's spooler calls go to it while the test runs.
class StallingSpoolerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (geteuid() != 0)
            GTEST_SKIP() << "End-to-end print test skipped: the private CUPS scheduler needs root";
        ASSERT_TRUE(dir.isValid());
        QFile::setPermissions(dir.path(),
                              QFile::permissions(dir.path()) | QFile::ReadOther | QFile::ExeOther);
        schedulerDir = dir.filePath(QStringLiteral("cups"));
        if (!privateCups(QStringLiteral("start"), schedulerDir))
            GTEST_SKIP() << "End-to-end print test skipped: the private CUPS scheduler could not start";
        started = true;
        previousServer = qgetenv("CUPS_SERVER");
        useScheduler(QFile::encodeName(schedulerDir + QStringLiteral("/cups.sock")));
        for (const QString &queue : queues)
            ASSERT_TRUE(addPdfQueue(queue, schedulerDir + QStringLiteral("/out/") + queue));
        QFile pidFile(schedulerDir + QStringLiteral("/cupsd.pid"));
        ASSERT_TRUE(pidFile.open(QIODevice::ReadOnly));
        pid = pidFile.readAll().trimmed().toInt();
        ASSERT_GT(pid, 0);
    }

    void TearDown() override
    {
        if (!started)
            return;
        if (pid > 0)
            kill(pid, SIGCONT);
        privateCups(QStringLiteral("stop"), schedulerDir);
        useScheduler(previousServer);
    }

    // Runs a handler against the stopped scheduler; its error text, and how long it took.
    template <typename Handler> QString timed(Handler handler, qint64 &elapsedMs)
    {
        QElapsedTimer clock;
        clock.start();
        const QString error = userErrorOf(handler);
        elapsedMs = clock.elapsed();
        longestMs = std::max(longestMs, elapsedMs);
        return error;
    }

    QTemporaryDir dir{QDir::temp().filePath(QStringLiteral("zorvat-stall-XXXXXX"))};
    QString schedulerDir;
    bool started = false;
    QByteArray previousServer;
    pid_t pid = 0;
    const QStringList queues{QStringLiteral("stall_a"), QStringLiteral("stall_b")};
    qint64 longestMs = 0;
};
