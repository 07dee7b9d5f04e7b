// A table of 10,000 rows to a pain.001.001.09 bank file, every check included: the table read and
// checked (readHub3aTable), each order checked for the bank (Pain001::orderProblems), the groups
// and sums found and the XML streamed through the atomic save. Target: under 2 s. Peak memory is
// measured by running it under /usr/bin/time -v.
#include "bankfile/Pain001.h"
#include "batch/Hub3aTable.h"
#include "batch/Hub3aTableReader.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

QByteArray table(int rows)
{
    QByteArray bytes = hub3aColumnNames().join(u';').toUtf8() + '\n';
    // Two payers (a firm's two accounts), many recipients: a third of the orders on a later date,
    // every fiftieth urgent.
    const char *payers[] = {"HR7023400091510946338", "HR1210010051863000160"};
    for (int i = 1; i <= rows; ++i) {
        const QString row = QStringLiteral("Zorvat d.o.o.;Ulica kneza Branimira 29;10000 Zagreb;"
                                           "Član %1 Šimić Đurđević;Franjčevićeva %1;10361 Dumovec;%2;HR01;102-3057-89016;"
                                           "HR1210010051863000160;HR00;2026-%1;OTHR;Povrat za %3. mjesec 2026.;%4;%5;%6")
                                .arg(i)
                                .arg(QLatin1StringView(payers[i % 2]))
                                .arg(i % 12 + 1)
                                .arg(hub3aAmountText(1000 + i * 37))
                                .arg(i % 3 == 0 ? QStringLiteral("20122099") : QString())
                                .arg(i % 50 == 0 ? QStringLiteral("1") : QString());
        bytes += row.toUtf8() + '\n';
    }
    return bytes;
}

void BM_BankFile(benchmark::State &state)
{
    const QByteArray csv = table(static_cast<int>(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("UN.20261208.0001.xml"));
    Pain001::Options options;
    options.messageId = QStringLiteral("UN202612080001");
    options.created = QDateTime(QDate(2026, 12, 8), QTime(10, 0));
    options.today = QDate(2026, 12, 8);
    qint64 readNs = 0, writeNs = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const Hub3aTable rows = readHub3aTable(csv, Hub3aRecord());
        readNs += timer.nsecsElapsed();
        timer.restart();
        const Pain001::Result result = Pain001::save(path, rows.slips, options);
        writeNs += timer.nsecsElapsed();
        if (result.written != state.range(0))
            state.SkipWithError("an order was refused");
        state.counters["groups"] = result.groups;
    }
    state.counters["table_ms"] = static_cast<double>(readNs) * 1e-6 / static_cast<double>(state.iterations());
    state.counters["bankfile_ms"] = static_cast<double>(writeNs) * 1e-6 / static_cast<double>(state.iterations());
    state.counters["file_kB"] = static_cast<double>(QFileInfo(path).size()) / 1024.0;
}
BENCHMARK(BM_BankFile)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

} // namespace
