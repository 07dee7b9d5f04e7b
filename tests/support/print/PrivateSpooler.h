#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// Runs a program to its end; false, saying why in failure, when it fails.
bool runToEnd(const QString &program, const QStringList &arguments, QString *failure = nullptr);
// Starts or stops (command) a CUPS scheduler in schedulerDir with scripts/private-cups.
bool privateCups(const QString &command, const QString &schedulerDir, QString *failure = nullptr);
// Adds a queue that writes every job as a PDF to deviceFile.
bool addPdfQueue(const QString &queue, const QString &deviceFile, QString *failure = nullptr);
// Sends this process's spooler calls to the scheduler at socket; a null one, to the system's.
void useScheduler(const QByteArray &socket);

// One job as the spooler finished it.
struct SpooledJob
{
    int id = 0;
    bool completed = false; // finished normally (not cancelled or aborted)
    QString title;          // the job name in the spooler's page log
    int pages = -1;         // pages the spooler counted
    QString outputPdf;      // a copy of what the queue's device wrote
};

// A CUPS scheduler of the test program's own with one queue that writes every job as a PDF file.
// Uses the scheduler that scripts/test started (ZORVAT_TEST_CUPS_DIR) or starts one with
// scripts/private-cups; clients of this process reach it through CUPS_SERVER.
class PrivateSpooler
{
public:
    // The spooler, started on first use; nothing when it cannot run, with the reason in whyNot.
    static PrivateSpooler *get(QString *whyNot);
    // Stops what get() started; run once after all tests.
    static void shutDown();

    ~PrivateSpooler();

    QString queue() const { return m_queue; }
    // Another queue of the same kind; false when the scheduler refused it.
    bool addQueue(const QString &name, QString *failure = nullptr) const;
    void removeQueue(const QString &name) const;
    // Id of the newest job of the queue, 0 when there is none.
    int newestJobId() const;
    // Waits until a job newer than afterJobId has finished and returns it.
    std::optional<SpooledJob> waitForJobAfter(int afterJobId);

private:
    PrivateSpooler() = default;
    bool start(QString *whyNot);
    QString outputOf(const QString &queue) const;

    QString m_dir; // the scheduler's folder
    bool m_ownScheduler = false;
    QString m_queue;
    QString m_output; // the file the queue's device writes
};
