#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <stdexcept>
#include <string>
#include <vector>

// Process start to the main window shown on the offscreen platform, for the program (empty store,
// with and without a 10,000-entry partner file) beside the floor, an empty Qt Widgets window; an
// empty window with a line of text, which also sets up the fonts; and the main window's widgets
// alone, without the program's data, printers and preview. Each
// program is a copy in a folder of its own, with its store in the same folder, and ends itself at
// its first paint.
namespace {

class ProgramCopy
{
public:
    ProgramCopy(const char *program, int partnerCount)
    {
        const QString copy = m_dir.filePath(QStringLiteral("program"));
        if (!QFile::copy(QString::fromLocal8Bit(program), copy))
            throw std::runtime_error("cannot copy the program");
        m_path = QFile::encodeName(copy).toStdString();
        if (partnerCount > 0)
            writePartners(m_dir.filePath(QStringLiteral("DataZor.dat")), partnerCount);
        const std::string folder = QFile::encodeName(m_dir.path()).toStdString();
        m_environment = {"QT_QPA_PLATFORM=offscreen",
                         "HOME=" + folder,
                         "XDG_CONFIG_HOME=" + folder + "/config",
                         "XDG_DATA_HOME=" + folder + "/data",
                         "XDG_RUNTIME_DIR=" + folder,
                         "LC_ALL=C.UTF-8"};
    }

    // Starts the program and waits for it to end; false when it fails.
    bool run() const
    {
        std::vector<char *> environment;
        for (const std::string &entry : m_environment)
            environment.push_back(const_cast<char *>(entry.c_str()));
        environment.push_back(nullptr);
        char *const argv[] = {const_cast<char *>(m_path.c_str()), nullptr};
        pid_t pid = 0;
        if (posix_spawn(&pid, m_path.c_str(), nullptr, nullptr, argv, environment.data()) != 0)
            return false;
        int status = 0;
        return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

private:
    static void writePartners(const QString &path, int count)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            throw std::runtime_error("cannot write the partner file");
        for (int i = 0; i < count; ++i)
            file.write("Partner " + QByteArray::number(i) + " d.o.o., Ilica 1, Zagreb\x08" +
                       "2360000-1101234567\x08" + "05 123-" + QByteArray::number(i) + "\r\n");
    }

    QTemporaryDir m_dir;
    std::string m_path;
    std::vector<std::string> m_environment;
};

void startUp(benchmark::State &state, const char *program, int partnerCount)
{
    const ProgramCopy copy(program, partnerCount);
    copy.run(); // the first start fills the system's caches
    for (auto _ : state) {
        if (!copy.run()) {
            state.SkipWithError("the program did not start");
            break;
        }
    }
}

} // namespace

BENCHMARK_CAPTURE(startUp, EmptyWindowFloor, STARTUP_FLOOR_PATH, 0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(startUp, TextWindowFloor, STARTUP_TEXT_FLOOR_PATH, 0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(startUp, WindowWidgetsAlone, STARTUP_WINDOW_WIDGETS_PATH, 0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(startUp, ProgramEmptyStore, ZORPRINT_STARTUP_PATH, 0)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(startUp, ProgramWith10000Partners, ZORPRINT_STARTUP_PATH, 10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK_MAIN();
