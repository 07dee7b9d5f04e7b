// Checking a table of valid HUB-3A rows a row at a time from its file (checkHub3aTableFile), as the
// window and zorprint-render --batch do before any slip is drawn. Peak memory stays flat however
// long the table: run one size under /usr/bin/time -v (--benchmark_filter=.../1000000) and compare
// with --benchmark_filter=.../100000.
#include "batch/Hub3aTableFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A table of rows valid rows, written a row at a time.
bool writeTable(const QString &path, int rows)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("platitelj_naziv;platitelj_ulica;platitelj_mjesto;primatelj_naziv;iban_primatelja;"
               "model_primatelja;poziv_primatelja;opis;iznos\n");
    for (int i = 0; i < rows; ++i) {
        file.write(
            QStringLiteral("Platitelj broj %1;Ulica %2;10000 Zagreb;Udruga Šapica;HR1210010051863000160;"
                           "HR00;%1;Članarina %1;%3,00\n")
                .arg(i)
                .arg(i % 100)
                .arg(i % 1000 + 1)
                .toUtf8());
    }
    return true;
}

void BM_CheckHub3aTableFile(benchmark::State &state)
{
    const int rows = static_cast<int>(state.range(0));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.csv"));
    if (!writeTable(path, rows)) {
        state.SkipWithError("the table could not be written");
        return;
    }
    for (auto _ : state) {
        const Hub3aTableCheck check = checkHub3aTableFile(path, {});
        if (check.validSlips != rows)
            state.SkipWithError("a valid row was refused");
        benchmark::DoNotOptimize(check.validSlips);
    }
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_CheckHub3aTableFile)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
