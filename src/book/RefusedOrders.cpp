#include "book/RefusedOrders.h"

#include "bankfile/BusinessDays.h"
#include "book/PaymentBook.h"
#include "model/Hub3aDate.h"
#include "model/Hub3aRules.h"
#include "model/UserError.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

bool isPast(const Hub3aRecord &order, QDate today)
{
    const QDate day = hub3aDate(order[Hub3aField::ExecutionDate]);
    return day.isValid() && day < today;
}

} // namespace

RefusedOrders refusedOrders(const PaymentBook &book, const QList<qint64> &ids)
{
    RefusedOrders refused;
    for (const BookEntry &entry : book.entriesNumbered(ids)) {
        if (entry.state == BookState::Refused)
            refused.orders.append(entry);
    }
    refused.leftOut = static_cast<int>(ids.size() - refused.orders.size());
    if (refused.orders.isEmpty())
        throw UserError(u"Nijedan odabrani nalog banka nije odbila: ništa se ne šalje ponovno"_s);
    const BookPayment &first = refused.orders.front().payment;
    refused.instant = first.instant;
    refused.origin = first.origin;
    for (const BookEntry &entry : refused.orders) {
        if (entry.payment.instant != refused.instant)
            throw UserError(
                u"Instant i obični nalozi šalju se u zasebnim datotekama: odaberite samo jedne"_s);
        const BookOrigin &origin = entry.payment.origin;
        if (origin.source != refused.origin.source || origin.file != refused.origin.file)
            refused.origin = BookOrigin();
    }
    return refused;
}

QString resendSummary(const RefusedOrders &refused)
{
    qint64 cents = 0;
    for (const BookEntry &entry : refused.orders)
        cents += hub3aAmountCents(entry.payment.record[Hub3aField::Amount]).value_or(0);
    QString summary =
        u"Ponovno se šalje naloga: %1, ukupno %2 EUR, novom oznakom poruke."_s.arg(refused.orders.size())
            .arg(hub3aAmountText(cents));
    if (refused.leftOut > 0)
        summary += u" Ne šalje se naloga koje banka nije odbila: %1."_s.arg(refused.leftOut);
    return summary;
}

int pastExecutionDates(const QList<Hub3aRecord> &orders, QDate today)
{
    return static_cast<int>(std::count_if(
        orders.begin(), orders.end(), [today](const Hub3aRecord &order) { return isPast(order, today); }));
}

void movePastExecutionDates(QList<Hub3aRecord> &orders, QDate today)
{
    const QString day = hub3aDateText(businessDayFrom(today));
    for (Hub3aRecord &order : orders) {
        if (isPast(order, today))
            order.set(Hub3aField::ExecutionDate, day);
    }
}
