#include "CrashContent.h"
#include "model/UserError.h"

#include <sys/prctl.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>

namespace {

void report(char what, int generation)
{
    const std::string line = std::string(1, what) + ' ' + std::to_string(generation) + '\n';
    if (write(STDOUT_FILENO, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
        _exit(3);
}

} // namespace

// crash-writer KIND PATH FIRST [COUNT]: saves generation FIRST, FIRST + 1, ... of KIND at PATH until it
// is killed (or COUNT are saved: one of several copies writing at once), reporting "b N" on stdout
// before each save begins and "e N" once it has ended.
int main(int argc, char **argv)
{
    // Goes with the test that started it, should the test itself die.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (argc != 4 && argc != 5)
        return 2;
    const std::optional<SavedKind> kind = savedKindNamed(QString::fromLocal8Bit(argv[1]));
    const QString path = QString::fromLocal8Bit(argv[2]);
    const int first = std::stoi(argv[3]);
    if (!kind)
        return 2;
    // Bounded, in case nobody kills it.
    const int count = argc == 5 ? std::stoi(argv[4]) : 10000;
    for (int generation = first; generation < first + count; ++generation) {
        report('b', generation);
        try {
            saveGeneration(*kind, path, generation);
        } catch (const UserError &error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.text()));
            return 1;
        }
        report('e', generation);
    }
    return 0;
}
