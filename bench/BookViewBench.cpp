// Opening the book's window on a book of 100,000 payments (target: under 200 ms): the table model's
// first page and the totals of its filter, with no filter, a state that only some payments are in
// now, and a text searched in every payment (ASCII, then with Croatian letters).
#include "book/BookQuery.h"
#include "book/BookTableModel.h"
#include "book/PaymentBook.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using F = Hub3aField;

constexpr int bookSize = 100'000;

// A book of 100,000 payments of the last 90 days, every tenth refused since, made once.
struct FullBook
{
    FullBook() : book(dir.filePath(QStringLiteral("payments.db")))
    {
        const QDateTime now = QDateTime::currentDateTime();
        PaymentBook::Transaction transaction(book);
        BookPayment entry;
        entry.way = BookWay::BankFile;
        entry.wayFile = QStringLiteral("UN.20261208.0001.xml");
        Hub3aRecord &record = entry.record;
        record.set(F::PayerName, QStringLiteral("Zorvat d.o.o."));
        record.set(F::PayerIban, QStringLiteral("HR7023400091510946338"));
        record.set(F::RecipientIban, QStringLiteral("HR1210010051863000160"));
        record.set(F::RecipientModel, QStringLiteral("HR00"));
        record.set(F::PurposeCode, QStringLiteral("OTHR"));
        for (int i = 0; i < bookSize; ++i) {
            record.set(F::RecipientName, QStringLiteral("Član %1 Šimić").arg(i));
            record.set(F::RecipientReference, QStringLiteral("2026-%1").arg(i));
            record.set(F::Description, QStringLiteral("Povrat za %1. mjesec 2026.").arg(i % 12 + 1));
            record.set(F::Amount, hub3aAmountText(1000 + i * 37));
            const QDateTime left = now.addSecs(-static_cast<qint64>(bookSize - i) * 77);
            const qint64 id = book.record(transaction, entry, left, BookState::Sent);
            if (i % 10 == 0)
                book.changeState(transaction, id, BookState::Refused, QStringLiteral("AC01"),
                                 left.addDays(1));
        }
        transaction.commit();
    }
    QTemporaryDir dir;
    PaymentBook book;
};

FullBook &fullBook()
{
    static FullBook made;
    return made;
}

void openView(benchmark::State &state, std::optional<BookState> wanted, const QString &text)
{
    BookFilter filter;
    filter.state = wanted;
    filter.text = text;
    const PaymentBook &book = fullBook().book;
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
