// The payments book at 100,000 payments: the repeat look-up of one slip (target: well under 1 ms),
// and a bank file of 10,000 orders written with its id taken from the book and every order recorded
// in the same transaction (target: under 2 s).
#include "bankfile/Pain001.h"
#include "batch/Hub3aTable.h"
#include "book/BookedBankFile.h"
#include "book/PaymentBook.h"
#include "book/RepeatCheck.h"
#include "support/FullBook.h"

#include <benchmark/benchmark.h>

namespace {

using namespace BenchBook;
using F = Hub3aField;

void BM_RepeatLookUp(benchmark::State &state)
{
    FullBook &full = fullBook();
    const RepeatCheck check(full.book, QDate::currentDate());
    // Half the slips are another amount (not found); of the others, those paid within the window of
    // 60 days are found (a book of 90 days: about two thirds of them).
    QList<Hub3aRecord> slips;
    for (int i = 0; i < 1000; ++i) {
        Hub3aRecord slip = payment(i * 97 % bookSize);
        if (i % 2)
            slip.texts[static_cast<size_t>(F::Amount)] = QStringLiteral("1,23");
        slips.append(slip);
    }
    qsizetype next = 0, found = 0;
    for (auto _ : state) {
        found += check.find(slips[next]).has_value();
        next = (next + 1) % slips.size();
    }
    state.counters["found_share"] = static_cast<double>(found) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_RepeatLookUp)->Unit(benchmark::kMicrosecond);

void BM_BankFileWithItsEntries(benchmark::State &state)
{
    FullBook &full = fullBook();
    QList<NumberedSlip> rows;
    for (int i = 0; i < state.range(0); ++i)
        rows.append({i + 1, payment(bookSize + i)});
    const QString path = full.dir.filePath(QStringLiteral("orders.xml"));
    Pain001::Options options;
    options.created = QDateTime::currentDateTime();
    options.today = options.created.date();
    for (auto _ : state) {
        const BookedBankFile booked = saveBookedBankFile(
            full.book, path, rows, options, {BookSource::Table, QStringLiteral("placanja.csv"), 0});
        if (booked.result.written != state.range(0))
            state.SkipWithError("an order was refused");
    }
}
BENCHMARK(BM_BankFileWithItsEntries)->Arg(10'000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
