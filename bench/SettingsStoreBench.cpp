#include "FakeSlipFields.h"
#include "model/Calibration.h"
#include "model/SettingsStore.h"
#include "ui/Defaults.h"

#include <QMap>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// The cost of the store's open-handle-close per value, on a database in a temporary folder.
namespace {

struct BenchStore
{
    QTemporaryDir dir;
    SettingsStore store{dir.filePath(QStringLiteral("settings.db"))};
};

void BM_ReadSetting(benchmark::State &state)
{
    BenchStore b;
    b.store.WriteSetting(QStringLiteral("DefUplatitelj"), QStringLiteral("Ivan Horvat\r\nIlica 1, Zagreb"));
    for (auto _ : state)
        benchmark::DoNotOptimize(b.store.ReadSetting(QStringLiteral("DefUplatitelj")));
}
BENCHMARK(BM_ReadSetting)->Unit(benchmark::kMicrosecond);

void BM_WriteSetting(benchmark::State &state)
{
    BenchStore b;
    int n = 0;
    for (auto _ : state)
        b.store.WriteSetting(QStringLiteral("dX"), QString::number(++n));
}
BENCHMARK(BM_WriteSetting)->Unit(benchmark::kMicrosecond);

void BM_LoadZorvatDefaults(benchmark::State &state)
{
    BenchStore b;
    FakeSlipFields fields;
    for (auto _ : state)
        LoadZorvatDefaults(b.store, fields);
}
BENCHMARK(BM_LoadZorvatDefaults)->Unit(benchmark::kMicrosecond);

void BM_LoadCalibration(benchmark::State &state)
{
    BenchStore b;
    storeCalibration(b.store, QStringLiteral("Laser on LPT1:"), Calibration{7, 7, 3, 3, 2, 9});
    for (auto _ : state)
        benchmark::DoNotOptimize(readStoredCalibration(b.store, QStringLiteral("Laser on LPT1:")));
}
BENCHMARK(BM_LoadCalibration)->Unit(benchmark::kMicrosecond);

void BM_SaveCalibration(benchmark::State &state)
{
    BenchStore b;
    qint32 n = 0;
    for (auto _ : state)
        storeCalibration(b.store, QStringLiteral("Laser on LPT1:"), Calibration{7, 7, 3, 3, 2, ++n});
}
BENCHMARK(BM_SaveCalibration)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
