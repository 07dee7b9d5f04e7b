#include <QGuiApplication>

#include <benchmark/benchmark.h>

// The main of the benchmarks that draw without windows: a GUI application on the offscreen
// platform unless another one is asked for, so fonts and images work as in the program.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
