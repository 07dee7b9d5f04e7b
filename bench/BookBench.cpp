// The payments book at 100,000 payments: the repeat look-up of one slip (target: well under 1 ms),
// and a bank file of 10,000 orders written with its id taken from the book and every order recorded
// in the same transaction (target: under 2 s).
#include "bankfile/Pain001.h"
#include "batch/Hub3aTable.h"
#include "book/BookedBankFile.h"
#include "book/PaymentBook.h"
#include "book/RepeatCheck.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using F = Hub3aField;

constexpr int bookSize = 100'000;

Hub3aRecord payment(int i)
{
    Hub3aRecord record;
    const auto set = [&](F field, const QString &text) { record.texts[static_cast<size_t>(field)] = text; };
    set(F::PayerName, QStringLiteral("Zorvat d.o.o."));
    set(F::PayerStreet, QStringLiteral("Ulica kneza Branimira 29"));
    set(F::PayerPlace, QStringLiteral("10000 Zagreb"));
    set(F::PayerIban, QStringLiteral("HR7023400091510946338"));
    set(F::RecipientName, QStringLiteral("Član %1 Šimić").arg(i));
    set(F::RecipientIban, QStringLiteral("HR1210010051863000160"));
    set(F::RecipientModel, QStringLiteral("HR00"));
    set(F::RecipientReference, QStringLiteral("2026-%1").arg(i));
    set(F::PurposeCode, QStringLiteral("OTHR"));
    set(F::Description, QStringLiteral("Povrat za %1. mjesec 2026.").arg(i % 12 + 1));
    set(F::Amount, hub3aAmountText(1000 + i * 37));
    return record;
}

// A book of 100,000 payments of the last 90 days, made once for every benchmark.
struct FullBook
{
    FullBook() : book(dir.filePath(QStringLiteral("payments.db")))
    {
        const QDateTime now = QDateTime::currentDateTime();
        PaymentBook::Transaction transaction(book);
        BookPayment entry;
        entry.way = BookWay::BankFile;
        entry.wayFile = QStringLiteral("UN.20261208.0001.xml");
        for (int i = 0; i < bookSize; ++i) {
            entry.record = payment(i);
            book.record(transaction, entry, now.addSecs(-static_cast<qint64>(i) * 77), BookState::Prepared);
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
