#include "book/BookedAnswer.h"

#include "bankfile/BankAmount.h"
#include "book/PaymentBook.h"
#include "model/Hub3aRules.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

using Level = Pain002::RefusedOrder::Level;

// The ids by which an answer names a part of the file; empty ids match any.
struct PartIds
{
    Level level;
    QString paymentInfoId;
    QString instrId;
    QString endToEndId;
    std::optional<qint64> cents; // narrows an order named without its InstrId
};

bool names(const PartIds &part, const BookPayment &payment)
{
    const auto same = [](const QString &named, const QString &held) {
        return named.isEmpty() || named == held;
    };
    if (part.level == Level::Message)
        return true;
    if (!same(part.paymentInfoId, payment.paymentInfoId))
        return false;
    if (part.level == Level::Group)
        return !part.paymentInfoId.isEmpty();
    if (part.instrId.isEmpty() && part.endToEndId.isEmpty())
        return false;
    return same(part.instrId, payment.instructionId) && same(part.endToEndId, payment.endToEndId) &&
           (!part.instrId.isEmpty() || !part.cents ||
            hub3aAmountCents(payment.record[Hub3aField::Amount]) == part.cents);
}

// The indexes of the entries a part names; an order names one only, the first not taken yet.
QList<qsizetype> named(const PartIds &part, const QList<BookEntry> &entries, const QSet<qsizetype> &taken)
{
    QList<qsizetype> found;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (!names(part, entries[i].payment))
            continue;
        if (part.level != Level::Order)
            found.append(i);
        else if (!taken.contains(i))
            return {i};
    }
    return found;
}

PartIds idsOf(const Pain002::RefusedOrder &refusal)
{
    return {refusal.level, refusal.paymentInfoId, refusal.instrId, refusal.endToEndId,
            refusal.amount.isEmpty() ? std::nullopt : bankAmountCents(refusal.amount)};
}

PartIds idsOf(const Pain002::AcceptedPart &part)
{
    return {part.level, part.paymentInfoId, part.instrId, part.endToEndId, std::nullopt};
}

} // namespace

QList<Hub3aRecord> sentRecords(const QList<RefusedPayment> &refused)
{
    QList<Hub3aRecord> records;
    for (const RefusedPayment &payment : refused)
        records.append(payment.entry.payment.record);
    return records;
}

QString refusalReason(const Pain002::RefusedOrder &refusal)
{
    return refusal.reason.isEmpty() ? refusal.message : refusal.reason + u": "_s + refusal.message;
}

BookedAnswer recordAnswer(PaymentBook &book, const Pain002::Report &report, const QDateTime &at)
{
    BookedAnswer booked;
    const QList<BookEntry> entries = report.originalMessageId.isEmpty()
                                         ? QList<BookEntry>()
                                         : book.entriesOfMessage(report.originalMessageId);
    booked.known = !entries.isEmpty();
    booked.orders = static_cast<int>(entries.size());
    if (!booked.known)
        return booked;
    // Refusals first: what the answer refuses is never accepted by a wider acceptance (PART).
    QList<const Pain002::RefusedOrder *> refusalOf(entries.size(), nullptr);
    QSet<qsizetype> taken;
    for (const Pain002::RefusedOrder &refusal : report.refused) {
        const QList<qsizetype> hit = named(idsOf(refusal), entries, taken);
        if (hit.isEmpty())
            booked.unmatched.append(refusal);
        for (const qsizetype i : hit) {
            taken.insert(i);
            if (!refusalOf[i])
                refusalOf[i] = &refusal;
        }
    }
    QSet<qsizetype> accepted;
    for (const Pain002::AcceptedPart &part : report.accepted) {
        for (const qsizetype i : named(idsOf(part), entries, accepted)) {
            if (!refusalOf[i])
                accepted.insert(i);
        }
    }
    PaymentBook::Transaction transaction(book);
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const BookEntry &entry = entries[i];
        if (const Pain002::RefusedOrder *refusal = refusalOf[i]) {
            const QString reason = refusalReason(*refusal);
            if (entry.state != BookState::Refused || entry.reason != reason)
                book.changeState(transaction, entry.id, BookState::Refused, reason, at);
            RefusedPayment payment{entry, *refusal};
            payment.entry.state = BookState::Refused;
            payment.entry.reason = reason;
            booked.refused.append(payment);
        } else if (accepted.contains(i)) {
            ++booked.accepted;
            if (entry.state != BookState::Accepted && entry.state != BookState::Booked)
                book.changeState(transaction, entry.id, BookState::Accepted, QString(), at);
        }
    }
    transaction.commit();
    return booked;
}

QString resendAdvice(const Pain002::Report &report, const BookedAnswer &booked)
{
    QStringList whole;
    for (const Pain002::RefusedOrder &refusal : report.refused) {
        if (refusal.level == Level::Message)
            whole.append(u"cijelu datoteku %1"_s.arg(report.originalMessageId));
        else if (refusal.level == Level::Group)
            whole.append(u"grupu naloga %1"_s.arg(refusal.paymentInfoId));
    }
    if (whole.isEmpty())
        return QString();
    if (!booked.known)
        return u"Banka je odbila %1, a datoteka %2 nije u knjizi plaćanja: pošaljite ponovno samo odbijene "
               "naloge, nikako cijelu datoteku, jer bi prihvaćeni nalozi bili plaćeni dvaput."_s.arg(
                   whole.join(u", "_s), report.originalMessageId);
    qint64 cents = 0;
    for (const RefusedPayment &refused : booked.refused)
        cents += hub3aAmountCents(refused.entry.payment.record[Hub3aField::Amount]).value_or(0);
    QString advice = u"Banka je odbila %1. „Pošalji ponovno” šalje samo odbijene naloge (%2, ukupno %3 EUR) "
                     "u novoj datoteci s novom oznakom poruke"_s.arg(whole.join(u", "_s))
                         .arg(booked.refused.size())
                         .arg(hub3aAmountText(cents));
    if (const qsizetype others = booked.orders - booked.refused.size(); others > 0)
        advice += u"; ostali nalozi datoteke (%1) ne šalju se ponovno"_s.arg(others);
    return advice + u'.';
}
