#include "statements/StatementMatch.h"

#include "bankfile/BankText.h"
#include "bankfile/Pain001Checks.h"
#include "book/TakenEntries.h"
#include "model/Hub3aDate.h"
#include "payments/Iban.h"

#include <QCryptographicHash>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace BankStatement {

namespace {

using F = Hub3aField;

// How far the booking may be from an order's execution date when only its account, amount and
// reference find it: a weekend and a holiday.
constexpr int fewDays = 5;

QString dayText(QDate day)
{
    return day.toString(u"dd.MM.yyyy."_s);
}

bool isOpen(BookState state)
{
    return state == BookState::Prepared || state == BookState::Sent || state == BookState::Accepted;
}

bool isBooked(BookState state)
{
    return state == BookState::Booked;
}

// The model and reference the payer gave, from the structured reference or else the free text.
QString referenceOf(const Transaction &transaction)
{
    if (!transaction.reference.isEmpty())
        return compactReference(transaction.reference);
    static const QRegularExpression inText(u"\\b(HR[0-9]{2}) ?([0-9][0-9-]*)"_s);
    for (const QString &line : transaction.unstructured) {
        const QRegularExpressionMatch match = inText.match(line.toUpper());
        if (match.hasMatch())
            return match.captured(1) + match.captured(2);
    }
    return QString();
}

// A name as banks write it: capitals, no Croatian letters, single spaces.
QString comparableName(const QString &name)
{
    return withoutCroatianLetters(name).toUpper().simplified();
}

// The entry's transactions; an entry without details stands for one with its amount.
QList<Transaction> transactionsOf(const Entry &entry)
{
    QList<Transaction> transactions = entry.transactions;
    if (transactions.isEmpty())
        transactions.append(Transaction());
    if (transactions.size() == 1 && !transactions.first().cents && entry.currency == "EUR"_L1)
        transactions.first().cents = entry.cents;
    return transactions;
}

// The key an entry is kept under: the bank's reference of it, or its own fields and how many
// entries with the same fields came before it in the document.
class EntryKeys
{
public:
    QString keyOf(const QString &account, const Entry &entry)
    {
        if (!entry.bankReference.isEmpty())
            return u"ref|%1|%2"_s.arg(account, entry.bankReference);
        QStringList fields = {account,
                              entry.bookingDate.toString(Qt::ISODate),
                              entry.valueDate.toString(Qt::ISODate),
                              entry.credit ? u"C"_s : u"D"_s,
                              entry.reversal ? u"R"_s : QString(),
                              QString::number(entry.cents),
                              entry.currency,
                              entry.batchMessageId,
                              entry.batchPaymentInfoId};
        for (const Transaction &t : entry.transactions) {
            fields << t.messageId << t.paymentInfoId << t.instrId << t.endToEndId << t.bankReference
                   << QString::number(t.cents.value_or(-1)) << t.debtorName << t.debtorIban << t.creditorName
                   << t.creditorIban << t.reference << t.unstructured.join(u'\n');
        }
        const QByteArray hash =
            QCryptographicHash::hash(fields.join(QChar(0x1f)).toUtf8(), QCryptographicHash::Sha256).toHex();
        const QString own = u"own|"_s + QString::fromLatin1(hash);
        return u"%1|%2"_s.arg(own).arg(m_seen[own]++);
    }

private:
    QHash<QString, int> m_seen;
};

class Matcher
{
public:
    explicit Matcher(PaymentBook &book) : m_book(book) {}

    // The orders a debit (or its reversal) stands for, one per transaction; nothing unless every
    // transaction is found.
    std::optional<QList<BookEntry>> orders(const Entry &entry, bool (*accepts)(BookState))
    {
        m_chosen.clear();
        const QList<Transaction> transactions = transactionsOf(entry);
        QList<std::optional<BookEntry>> found(transactions.size());
        bool all = true;
        for (qsizetype i = 0; i < transactions.size(); ++i) {
            found[i] = byId(transactions[i], accepts);
            all = all && found[i];
        }
        if (all)
            return collect(found);
        if (std::optional<QList<BookEntry>> group = byGroup(entry, accepts))
            return group;
        for (qsizetype i = 0; i < transactions.size(); ++i) {
            if (!found[i])
                found[i] = byAccount(transactions[i], entry.bookingDate, accepts);
            if (!found[i])
                return std::nullopt;
        }
        return collect(found);
    }

    // The clerk's slips a credit to account pays, one per transaction; nothing unless every
    // transaction is found.
    std::optional<QList<BookEntry>> slips(const Entry &entry, const QString &account)
    {
        m_chosen.clear();
        QList<BookEntry> found;
        for (const Transaction &transaction : transactionsOf(entry)) {
            std::optional<BookEntry> slip = slipPaid(transaction, account);
            if (!slip)
                return std::nullopt;
            found.append(*slip);
        }
        return found;
    }

private:
    QList<BookEntry> collect(const QList<std::optional<BookEntry>> &found) const
    {
        QList<BookEntry> entries;
        for (const std::optional<BookEntry> &entry : found)
            entries.append(*entry);
        return entries;
    }

    // The oldest candidate of an acceptable state not taken by this entry yet, to creditorIban when
    // the statement gives it; taken.
    std::optional<BookEntry> first(const QList<BookEntry> &candidates, bool (*accepts)(BookState),
                                   const QString &creditorIban)
    {
        const QString iban = compactIban(creditorIban);
        for (const BookEntry &candidate : candidates) {
            if (!accepts(candidate.state) || m_chosen.contains(candidate.id))
                continue;
            if (!iban.isEmpty() && compactIban(candidate.payment.record[F::RecipientIban]) != iban)
                continue;
            m_chosen.insert(candidate.id);
            return candidate;
        }
        return std::nullopt;
    }

    std::optional<BookEntry> byId(const Transaction &transaction, bool (*accepts)(BookState))
    {
        using Id = PaymentBook::BankId;
        if (!transaction.endToEndId.isEmpty() && transaction.endToEndId != "NOTPROVIDED"_L1) {
            if (auto found = first(m_book.entriesWithId(Id::EndToEnd, transaction.endToEndId, transaction.cents),
                                   accepts, transaction.creditorIban))
                return found;
        }
        if (!transaction.instrId.isEmpty() && transaction.instrId != "NOTPROVIDED"_L1) {
            if (auto found = first(m_book.entriesWithId(Id::Instruction, transaction.instrId, transaction.cents),
                                   accepts, transaction.creditorIban))
                return found;
        }
        return std::nullopt;
    }

    // A group of one bank file booked as one entry: its PmtInfId named by the batch (or by every
    // transaction alike), as many orders as the bank counted and their sum the entry's amount.
    std::optional<QList<BookEntry>> byGroup(const Entry &entry, bool (*accepts)(BookState))
    {
        QString id = entry.batchPaymentInfoId;
        if (id.isEmpty() && !entry.transactions.isEmpty()) {
            id = entry.transactions.first().paymentInfoId;
            for (const Transaction &transaction : entry.transactions) {
                if (transaction.paymentInfoId != id)
                    return std::nullopt;
            }
        }
        if (id.isEmpty() || entry.currency != "EUR"_L1)
            return std::nullopt;
        QList<BookEntry> group = m_book.entriesWithId(PaymentBook::BankId::Group, id);
        group.removeIf([accepts](const BookEntry &order) { return !accepts(order.state); });
        const qsizetype counted = entry.batchCount >= 0 ? entry.batchCount : entry.transactions.size();
        if (group.isEmpty() || (counted > 0 && group.size() != counted))
            return std::nullopt;
        qint64 sum = 0;
        for (const BookEntry &order : group)
            sum += hub3aAmountCents(order.payment.record[F::Amount]).value_or(0);
        if (sum != entry.cents)
            return std::nullopt;
        return group;
    }

    std::optional<BookEntry> byAccount(const Transaction &transaction, QDate booked, bool (*accepts)(BookState))
    {
        const QString reference = referenceOf(transaction);
        const QString iban = compactIban(transaction.creditorIban);
        if (!transaction.cents || (reference.isEmpty() && iban.isEmpty()))
            return std::nullopt;
        QList<BookEntry> candidates = m_book.entriesOfAmount(*transaction.cents);
        candidates.removeIf([&](const BookEntry &order) {
            const Hub3aRecord &record = order.payment.record;
            if (!reference.isEmpty() &&
                Pain001::bankReference(record[F::RecipientModel], record[F::RecipientReference]) != reference)
                return true;
            QDate executed = hub3aDate(record[F::ExecutionDate]);
            if (!executed.isValid())
                executed = order.left.date();
            return booked.isValid() && std::abs(executed.daysTo(booked)) > fewDays;
        });
        return first(candidates, accepts, iban);
    }

    std::optional<BookEntry> slipPaid(const Transaction &transaction, const QString &account)
    {
        const auto expected = [this](const BookEntry &slip) {
            return slip.payment.way != BookWay::BankFile && isOpen(slip.state) && !m_chosen.contains(slip.id);
        };
        const auto take = [this](const BookEntry &slip) {
            m_chosen.insert(slip.id);
            return slip;
        };
        const QString reference = referenceOf(transaction);
        if (!reference.isEmpty() && !account.isEmpty()) {
            QList<BookEntry> candidates = m_book.entriesToAccount(account, reference);
            candidates.removeIf([&](const BookEntry &slip) { return !expected(slip); });
            const auto sameAmount = std::find_if(candidates.cbegin(), candidates.cend(), [&](const BookEntry &slip) {
                return hub3aAmountCents(slip.payment.record[F::Amount]) == transaction.cents;
            });
            if (sameAmount != candidates.cend())
                return take(*sameAmount);
            if (!candidates.isEmpty())
                return take(candidates.first());
        }
        const QString payer = comparableName(transaction.debtorName);
        if (!transaction.cents || payer.isEmpty())
            return std::nullopt;
        for (const BookEntry &slip : m_book.entriesOfAmount(*transaction.cents)) {
            if (expected(slip) && compactIban(slip.payment.record[F::RecipientIban]) == account &&
                comparableName(slip.payment.record[F::PayerName]) == payer)
                return take(slip);
        }
        return std::nullopt;
    }

    PaymentBook &m_book;
    QSet<qint64> m_chosen; // the payments the entry being matched has taken
};

QString payerOf(const Entry &entry)
{
    for (const Transaction &transaction : entry.transactions) {
        if (!transaction.debtorName.isEmpty())
            return transaction.debtorName;
    }
    return QString();
}

const char *outcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Booked:
        return "booked";
    case Outcome::Reversed:
        return "reversed";
    case Outcome::Received:
        return "received";
    default:
        return "unmatched";
    }
}

} // namespace

qsizetype Reconciliation::count(Outcome outcome) const
{
    return std::count_if(entries.cbegin(), entries.cend(),
                         [outcome](const EntryOutcome &entry) { return entry.outcome == outcome; });
}

Reconciliation reconcile(PaymentBook &book, const Document &document, const QString &file)
{
    Reconciliation result;
    Matcher matcher(book);
    EntryKeys keys;
    PaymentBook::Transaction transaction(book);
    const QDateTime now = QDateTime::currentDateTime();
    for (const Statement &statement : document.statements) {
        const QString account = compactIban(statement.iban);
        for (const Entry &entry : statement.entries) {
            EntryOutcome outcome;
            outcome.account = account;
            outcome.entry = entry;
            const QString key = keys.keyOf(account, entry);
            if (!entry.booked) {
                outcome.outcome = Outcome::Pending;
            } else if (statementEntryTaken(book, key)) {
                outcome.outcome = Outcome::Taken;
            } else {
                const QDate day = entry.bookingDate.isValid() ? entry.bookingDate : entry.valueDate;
                std::optional<QList<BookEntry>> found;
                BookState state = BookState::Booked;
                if (entry.reversal) {
                    // The order booked before, else one whose booking the book never saw.
                    found = matcher.orders(entry, isBooked);
                    if (!found)
                        found = matcher.orders(entry, isOpen);
                    state = BookState::Refused;
                    outcome.outcome = Outcome::Reversed;
                    outcome.text = u"vraćeno %1"_s.arg(dayText(day));
                } else if (entry.credit) {
                    found = matcher.slips(entry, account);
                    state = BookState::Received;
                    outcome.outcome = Outcome::Received;
                    const QString payer = payerOf(entry);
                    outcome.text = payer.isEmpty() ? u"naplaćeno %1"_s.arg(dayText(day))
                                                   : u"naplaćeno %1, %2"_s.arg(dayText(day), payer);
                } else {
                    found = matcher.orders(entry, isOpen);
                    outcome.outcome = Outcome::Booked;
                    outcome.text = u"proknjiženo %1"_s.arg(dayText(day));
                }
                if (found) {
                    outcome.payments = *found;
                    for (const BookEntry &payment : outcome.payments)
                        book.changeState(transaction, payment.id, state, outcome.text, now);
                } else {
                    outcome.outcome = Outcome::NotFound;
                    outcome.text.clear();
                }
                TakenEntry taken{key,
                                 account,
                                 day,
                                 entry.cents,
                                 entry.currency,
                                 entry.credit,
                                 entry.reversal,
                                 QLatin1StringView(outcomeName(outcome.outcome)),
                                 outcome.payments.isEmpty() ? 0 : outcome.payments.first().id,
                                 file};
                takeStatementEntry(book, transaction, taken);
            }
            result.entries.append(std::move(outcome));
        }
    }
    transaction.commit();
    return result;
}

QString entryLine(const EntryOutcome &outcome)
{
    const Entry &entry = outcome.entry;
    const QDate day = entry.bookingDate.isValid() ? entry.bookingDate : entry.valueDate;
    QStringList parts = {dayText(day), (entry.credit ? u""_s : u"-"_s) + hub3aAmountText(entry.cents) +
                                           u' ' + entry.currency};
    if (!entry.transactions.isEmpty()) {
        const Transaction &first = entry.transactions.first();
        parts << (entry.credit ? first.debtorName : first.creditorName) << referenceOf(first);
    }
    if (entry.reversal)
        parts << u"(storno)"_s;
    parts.removeAll(QString());
    return parts.join(u' ');
}

} // namespace BankStatement
