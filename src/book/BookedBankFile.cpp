#include "book/BookedBankFile.h"

#include "bankfile/Pain001Ids.h"
#include "book/PaymentBook.h"
#include "model/UserError.h"
#include "payments/Iban.h"

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The sender a day's ids are counted for: the payer of the file's first order.
QString senderOf(const BankOrders &orders)
{
    return !orders.empty() ? compactIban(orders[0].record[Hub3aField::PayerIban]) : QString();
}

UserError bankFileRefused(const UserError &bookError)
{
    return UserError(
        u"Datoteka naloga za banku nije napravljena. %1. Oznaka poruke uzima se iz knjige plaćanja, "
        "da se nikad ne ponovi."_s.arg(bookError.text()));
}

// The write transaction of the file, or the refusal to make it.
std::unique_ptr<PaymentBook::Transaction> beginFile(PaymentBook &book)
{
    try {
        return std::make_unique<PaymentBook::Transaction>(book);
    } catch (const UserError &e) {
        throw bankFileRefused(e);
    }
}

} // namespace

PaymentBook openBookForBankFile(const QString &path)
{
    try {
        return PaymentBook(path);
    } catch (const UserError &e) {
        throw bankFileRefused(e);
    }
}

BookedBankFile saveBookedBankFile(PaymentBook &book, const QString &path, const BankOrders &orders,
                                  Pain001::Options options, const BookOrigin &origin, int counted,
                                  const QHash<int, BookOrigin> &rowOrigins)
{
    BookedBankFile booked;
    const std::unique_ptr<PaymentBook::Transaction> file = beginFile(book);
    PaymentBook::Transaction &transaction = *file;
    options.messageId = book.takeMessageId(transaction, options.today, senderOf(orders), counted);
    booked.messageId = options.messageId;
    const QDateTime left = options.created.isValid() ? options.created : QDateTime::currentDateTime();
    QList<qint64> recorded;
    bool committed = false;
    try {
        booked.result = Pain001::save(path, orders, options, [&](const Pain001::Plan &plan) {
            BookPayment payment;
            payment.instant = options.instant;
            payment.origin = origin;
            payment.way = BookWay::BankFile;
            payment.wayFile = path;
            payment.messageId = options.messageId;
            int groupNumber = 0;
            for (const Pain001::Group &group : plan.groups) {
                payment.paymentInfoId = Pain001::groupId(options.messageId, ++groupNumber);
                for (const qsizetype index : group.orders) {
                    payment.record = orders[index].record;
                    payment.origin = rowOrigins.value(orders[index].row, origin);
                    if (origin.source == BookSource::Table && !rowOrigins.contains(orders[index].row))
                        payment.origin.place = orders[index].row;
                    payment.instructionId =
                        Pain001::instructionId(options.messageId, orders, index, plan.rowsUnique);
                    payment.endToEndId = Pain001::endToEndId(payment.record);
                    recorded.append(book.record(transaction, payment, left, BookState::Prepared));
                }
            }
            transaction.commit();
            committed = true;
        });
    } catch (const UserError &e) {
        if (!committed)
            throw; // rolled back: neither the id nor the orders were kept
        // The orders were recorded but the file did not take its name: they are marked so, and
        // never count as paid.
        PaymentBook::Transaction marking(book);
        for (const qint64 id : recorded)
            book.changeState(marking, id, BookState::Refused, u"Datoteka nije spremljena: %1"_s.arg(e.text()),
                             QDateTime::currentDateTime());
        marking.commit();
        throw;
    }
    // Without an order no file was made, and the id is left for the next file.
    return booked;
}
