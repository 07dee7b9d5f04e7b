#include "PrivateSpooler.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

#include <cups/cups.h>

#include <algorithm>

#include <unistd.h>

namespace {

std::unique_ptr<PrivateSpooler> &theSpooler()
{
    static std::unique_ptr<PrivateSpooler> spooler;
    return spooler;
}

} // namespace

bool runToEnd(const QString &program, const QStringList &arguments, QString *failure)
{
    QProcess process;
    process.start(program, arguments);
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return true;
    if (failure)
        *failure = program + u' ' + arguments.join(u' ') + QStringLiteral(": ") +
                   QString::fromLocal8Bit(process.readAllStandardError()).trimmed() + process.errorString();
    return false;
}

bool privateCups(const QString &command, const QString &schedulerDir, QString *failure)
{
    return runToEnd(QStringLiteral(ZORVAT_SOURCE_DIR "/scripts/private-cups"), {command, schedulerDir},
                    failure);
}

bool addPdfQueue(const QString &queue, const QString &deviceFile, QString *failure)
{
    return runToEnd(QStringLiteral("lpadmin"),
                    {QStringLiteral("-p"), queue, QStringLiteral("-E"), QStringLiteral("-v"),
                     QStringLiteral("file://") + deviceFile, QStringLiteral("-m"),
                     QStringLiteral("lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd")},
                    failure);
}

void useScheduler(const QByteArray &socket)
{
    if (socket.isNull())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", socket);
    cupsSetServer(socket.isNull() ? nullptr : socket.constData());
}

PrivateSpooler *PrivateSpooler::get(QString *whyNot)
{
    std::unique_ptr<PrivateSpooler> &spooler = theSpooler();
    if (!spooler) {
        std::unique_ptr<PrivateSpooler> candidate(new PrivateSpooler);
        if (!candidate->start(whyNot))
            return nullptr;
        spooler = std::move(candidate);
    }
    return spooler.get();
}

void PrivateSpooler::shutDown()
{
    theSpooler().reset();
}

bool PrivateSpooler::start(QString *whyNot)
{
    m_dir = qEnvironmentVariable("ZORVAT_TEST_CUPS_DIR");
    if (m_dir.isEmpty()) {
        m_dir = QDir::temp().filePath(QStringLiteral("zorvat-cups-%1").arg(getpid()));
        m_ownScheduler = true;
        QString failure;
        if (!privateCups(QStringLiteral("start"), m_dir, &failure)) {
            *whyNot = QStringLiteral("the private CUPS scheduler could not start (%1)").arg(failure);
            QDir(m_dir).removeRecursively();
            return false;
        }
    }
    useScheduler(QFile::encodeName(m_dir + QStringLiteral("/cups.sock")));

    m_queue = QStringLiteral("zorvat_test_%1").arg(getpid());
    m_output = outputOf(m_queue);
    QString failure;
    if (!addQueue(m_queue, &failure)) {
        *whyNot =
            QStringLiteral("no PDF queue could be added to the private CUPS scheduler (%1)").arg(failure);
        return false;
    }
    return true;
}

QString PrivateSpooler::outputOf(const QString &queue) const
{
    return m_dir + QStringLiteral("/out/") + queue + QStringLiteral(".pdf");
}

bool PrivateSpooler::addQueue(const QString &name, QString *failure) const
{
    return addPdfQueue(name, outputOf(name), failure);
}

void PrivateSpooler::removeQueue(const QString &name) const
{
    runToEnd(QStringLiteral("lpadmin"), {QStringLiteral("-x"), name});
}

PrivateSpooler::~PrivateSpooler()
{
    if (!m_queue.isEmpty())
        removeQueue(m_queue);
    if (m_ownScheduler) {
        privateCups(QStringLiteral("stop"), m_dir);
        QDir(m_dir).removeRecursively();
    }
}

int PrivateSpooler::newestJobId() const
{
    cups_job_t *jobs = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, m_queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    int newest = 0;
    for (int i = 0; i < count; ++i)
        newest = std::max(newest, jobs[i].id);
    cupsFreeJobs(count, jobs);
    return newest;
}

std::optional<SpooledJob> PrivateSpooler::waitForJobAfter(int afterJobId)
{
    SpooledJob job;
    const auto finished = [&] {
        cups_job_t *jobs = nullptr;
        const int count =
            cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, m_queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
        bool done = false;
        for (int i = 0; i < count; ++i) {
            if (jobs[i].id > afterJobId && jobs[i].state >= IPP_JSTATE_CANCELED) {
                job.id = jobs[i].id;
                job.completed = jobs[i].state == IPP_JSTATE_COMPLETED;
                done = true;
            }
        }
        cupsFreeJobs(count, jobs);
        return done;
    };
    if (!QTest::qWaitFor(finished, 60000))
        return std::nullopt;

    // The page log line "queue job total pages title" is written as the job finishes.
    const auto logged = [&] {
        QFile log(m_dir + QStringLiteral("/log/page_log"));
        if (!log.open(QIODevice::ReadOnly))
            return false;
        const QStringList lines = QString::fromUtf8(log.readAll()).split(u'\n');
        for (const QString &line : lines) {
            const QStringList parts = line.split(u' ');
            if (parts.size() >= 5 && parts[0] == m_queue && parts[1].toInt() == job.id &&
                parts[2] == QLatin1StringView("total")) {
                job.pages = parts[3].toInt();
                job.title = parts.mid(4).join(u' ');
                return true;
            }
        }
        return false;
    };
    if (job.completed && !QTest::qWaitFor(logged, 10000))
        return std::nullopt;

    job.outputPdf = m_dir + QStringLiteral("/out/%1-job%2.pdf").arg(m_queue).arg(job.id);
    QFile::remove(job.outputPdf);
    QFile::copy(m_output, job.outputPdf);
    return job;
}

namespace {

// Stops the spooler after the last test, while the application object still lives.
class SpoolerShutDown : public ::testing::Environment
{
public:
    void TearDown() override { PrivateSpooler::shutDown(); }
};

const ::testing::Environment *const spoolerShutDown =
    ::testing::AddGlobalTestEnvironment(new SpoolerShutDown);

} // namespace
