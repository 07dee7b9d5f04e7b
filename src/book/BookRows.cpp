#include "book/BookRows.h"

#include "model/SqliteStatement.h"

const char *const bookEntrySelect =
    "SELECT p.id, p.left_at, p.payer_name, p.payer_street, p.payer_place, p.recipient_name, "
    "p.recipient_street, "
    "p.recipient_place, p.payer_iban, p.payer_model, p.payer_reference, p.recipient_iban, p.recipient_model, "
    "p.recipient_reference, p.purpose, p.description, p.amount, p.execution_date, p.urgent, p.instant, "
    "p.source, p.source_file, p.source_place, p.way, p.way_file, p.message_id, p.payment_info_id, "
    "p.instruction_id, p.end_to_end_id, e.state, e.reason FROM payment p JOIN payment_event e ON e.id = "
    "(SELECT MAX(id) FROM payment_event WHERE payment_id = p.id) ";

BookEntry bookEntryAt(const SqliteStatement &row)
{
    BookEntry entry;
    entry.id = row.columnInteger(0);
    entry.left = QDateTime::fromString(row.columnText(1), Qt::ISODateWithMs);
    BookPayment &payment = entry.payment;
    for (int field = 0; field < hub3aFieldCount; ++field)
        payment.record.texts[static_cast<size_t>(field)] = row.columnText(2 + field);
    int column = 2 + hub3aFieldCount;
    payment.instant = row.columnInteger(column++) != 0;
    payment.origin.source = bookSourceNamed(row.columnText(column++)).value_or(BookSource::Typed);
    payment.origin.file = row.columnText(column++);
    payment.origin.place = static_cast<int>(row.columnInteger(column++));
    payment.way = bookWayNamed(row.columnText(column++)).value_or(BookWay::Printed);
    payment.wayFile = row.columnText(column++);
    payment.messageId = row.columnText(column++);
    payment.paymentInfoId = row.columnText(column++);
    payment.instructionId = row.columnText(column++);
    payment.endToEndId = row.columnText(column++);
    entry.state = bookStateNamed(row.columnText(column++)).value_or(BookState::Prepared);
    entry.reason = row.columnText(column++);
    return entry;
}

QList<BookEntry> bookEntriesOf(SqliteStatement &select)
{
    QList<BookEntry> entries;
    while (select.step() == SqliteStatement::Step::Row)
        entries.append(bookEntryAt(select));
    return entries;
}
