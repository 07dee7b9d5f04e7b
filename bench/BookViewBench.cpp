// Opening the book's window on a book of 100,000 payments (target: under 200 ms): the table model's
// first page and the totals of its filter, with no filter, a state that only some payments are in
// now, and a text searched in every payment (ASCII, then with Croatian letters).
#include "book/BookQuery.h"
#include "book/BookTableModel.h"
#include "book/PaymentBook.h"
#include "support/FullBook.h"

#include <benchmark/benchmark.h>

namespace {

using namespace BenchBook;

// The book with every tenth payment refused since, once.
const PaymentBook &bookWithRefusals()
{
    static PaymentBook &book = []() -> PaymentBook & {
        PaymentBook &full = fullBook().book;
        PaymentBook::Transaction transaction(full);
        for (qint64 id = 1; id <= bookSize; id += 10)
            full.changeState(transaction, id, BookState::Refused, QStringLiteral("AC01"),
                             QDateTime::currentDateTime());
        transaction.commit();
        return full;
    }();
    return book;
}

void openView(benchmark::State &state, std::optional<BookState> wanted, const QString &text)
{
    BookFilter filter;
    filter.state = wanted;
    filter.text = text;
    const PaymentBook &book = bookWithRefusals();
    for (auto _ : state) {
        BookTableModel model(book);
        model.setFilter(filter);
        benchmark::DoNotOptimize(model.rowCount());
        if (model.rowCount() != BookTableModel::pageSize)
            state.SkipWithError("the first page is not full");
    }
}

void BM_OpenBookView(benchmark::State &state)
{
    openView(state, {}, {});
}
BENCHMARK(BM_OpenBookView)->Unit(benchmark::kMillisecond);

void BM_OpenBookViewRefused(benchmark::State &state)
{
    openView(state, BookState::Refused, {});
}
BENCHMARK(BM_OpenBookViewRefused)->Unit(benchmark::kMillisecond);

void BM_OpenBookViewText(benchmark::State &state)
{
    openView(state, {}, QStringLiteral("mjesec"));
}
BENCHMARK(BM_OpenBookViewText)->Unit(benchmark::kMillisecond);

// Croatian letters in any case: each payment's texts folded on the way.
void BM_OpenBookViewCroatianText(benchmark::State &state)
{
    openView(state, {}, QStringLiteral("ŠIMIĆ"));
}
BENCHMARK(BM_OpenBookViewCroatianText)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
