#include "book/TakenEntries.h"

#include "model/SqliteStatement.h"

#include <QDateTime>

bool statementEntryTaken(const PaymentBook &book, const QString &key)
{
    SqliteStatement select(book.database(), "SELECT 1 FROM statement_entry WHERE entry_key = ?1");
    select.bind(1, key);
    return select.step() == SqliteStatement::Step::Row;
}

void takeStatementEntry(PaymentBook &book, const PaymentBook::Transaction &, const TakenEntry &entry)
{
    SqliteStatement insert(book.database(),
                           "INSERT INTO statement_entry (entry_key, account, booked_on, amount_cents, currency, "
                           "credit, reversal, outcome, payment_id, file, taken_at) VALUES (?1, ?2, ?3, ?4, ?5, "
                           "?6, ?7, ?8, NULLIF(?9, 0), ?10, ?11)");
    insert.bind(1, entry.key).bind(2, entry.account).bind(3, entry.bookedOn.toString(Qt::ISODate));
    insert.bind(4, entry.cents).bind(5, entry.currency).bind(6, qint64(entry.credit));
    insert.bind(7, qint64(entry.reversal)).bind(8, entry.outcome).bind(9, entry.paymentId).bind(10, entry.file);
    insert.bind(11, QDateTime::currentDateTime().toString(Qt::ISODateWithMs));
    if (insert.step() != SqliteStatement::Step::Done)
        book.refuse();
}
