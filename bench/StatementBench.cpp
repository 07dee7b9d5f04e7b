// A statement of 10,000 entries read and matched against a book of 100,000 payments (target: under
// 1 s): a quarter found by InstrId, a quarter by recipient IBAN, amount and reference alone, a
// quarter paying the clerk's own slips, a quarter found in no payment.
#include "StatementXml.h"

#include "book/PaymentBook.h"
#include "model/Hub3aDate.h"
#include "statements/StatementMatch.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using F = Hub3aField;

constexpr int bookSize = 100'000;
constexpr int entryCount = 10'000;
const QString clerk = QStringLiteral("HR1210010051863000160");
const QString other = QStringLiteral("HR2923600001101234565");

qint64 centsOf(int i)
{
    return 1000 + i * 37;
}

BookPayment payment(int i)
{
    BookPayment payment;
    const bool clerksSlip = i % 10 == 0;
    Hub3aRecord &record = payment.record;
    record.set(F::PayerName, clerksSlip ? QStringLiteral("Kupac %1").arg(i) : QStringLiteral("Zorvat d.o.o."));
    record.set(F::RecipientName, QStringLiteral("Član %1").arg(i));
    record.set(F::RecipientIban, clerksSlip ? clerk : other);
    record.set(F::RecipientModel, QStringLiteral("HR00"));
    record.set(F::RecipientReference, QStringLiteral("2026-%1").arg(i));
    record.set(F::Amount, hub3aAmountText(centsOf(i)));
    record.set(F::ExecutionDate, hub3aDateText(QDate(2026, 12, 9)));
    payment.way = clerksSlip ? BookWay::Printed : BookWay::BankFile;
    if (!clerksSlip) {
        payment.messageId = QStringLiteral("UN20261209%1").arg(i / 1000, 4, 10, QLatin1Char('0'));
        payment.paymentInfoId = payment.messageId + QStringLiteral("-G1");
        payment.instructionId = payment.messageId + QStringLiteral("-%1").arg(i % 1000 + 1);
        payment.endToEndId = QStringLiteral("HR99");
    }
    return payment;
}

QString amountText(qint64 cents)
{
    return QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

// The n-th entry: an order by its InstrId and one by account and reference alone (odd indexes, each
// its own: a bank file's orders), a payment of a slip of the clerk's (a multiple of 10), a fee.
TestEntry entry(int n)
{
    if (n % 4 == 3) {
        TestEntry fee{QStringLiteral("2.65")};
        fee.bankReference = QStringLiteral("FEE-%1").arg(n);
        return fee;
    }
    const int index = n % 4 == 2 ? n * 5 : n + 1 + n % 4;
    TestEntry entry{amountText(centsOf(index)), n % 4 == 2};
    TestTransaction transaction;
    if (n % 4 == 0) {
        transaction.instrId = payment(index).instructionId;
    } else {
        transaction.creditorIban = n % 4 == 1 ? other : QString();
        transaction.debtorName = n % 4 == 2 ? QStringLiteral("KUPAC %1").arg(index) : QString();
        transaction.reference = QStringLiteral("HR002026-%1").arg(index);
    }
    entry.transactions = {transaction};
    return entry;
}

void BM_StatementAgainstBook(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString made = dir.filePath(QStringLiteral("made.db"));
    {
        PaymentBook book(made);
        PaymentBook::Transaction transaction(book);
        const QDateTime left(QDate(2026, 12, 9), QTime(9, 0));
        for (int i = 0; i < bookSize; ++i)
            book.record(transaction, payment(i), left, BookState::Sent);
        transaction.commit();
    }
    QList<TestEntry> entries;
    for (int n = 0; n < entryCount; ++n)
        entries.append(entry(n));
    const QByteArray xml = statementXml(entries);
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString path = dir.filePath(QStringLiteral("book%1.db").arg(round++));
        QFile::copy(made, path);
        {
            PaymentBook book(path);
            state.ResumeTiming();
            const BankStatement::Reconciliation result =
                BankStatement::reconcile(book, BankStatement::read(xml), QStringLiteral("izvadak.xml"));
            state.PauseTiming();
            state.counters["matched"] = static_cast<double>(result.count(BankStatement::Outcome::Booked) +
                                                            result.count(BankStatement::Outcome::Received));
            state.counters["unmatched"] = static_cast<double>(result.count(BankStatement::Outcome::NotFound));
        }
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StatementAgainstBook)->Unit(benchmark::kMillisecond)->Iterations(3);

// The reading alone, to tell it from the matching.
void BM_StatementRead(benchmark::State &state)
{
    QList<TestEntry> entries;
    for (int n = 0; n < entryCount; ++n)
        entries.append(entry(n));
    const QByteArray xml = statementXml(entries);
    for (auto _ : state)
        benchmark::DoNotOptimize(BankStatement::read(xml));
    state.counters["bytes"] = static_cast<double>(xml.size());
}
BENCHMARK(BM_StatementRead)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
