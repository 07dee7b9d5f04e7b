#include "book/RepeatCheck.h"

#include "book/BookKeys.h"
#include "book/PaymentBook.h"
#include "model/SettingsStore.h"
#include "model/SqliteStatement.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

int repeatDays(const SettingsStore &settings)
{
    bool ok = false;
    const int days = settings.ReadSetting(u"BookRepeatDays"_s).toInt(&ok);
    return ok && days >= 1 ? days : defaultRepeatDays;
}

RepeatCheck::RepeatCheck(const PaymentBook &book, QDate today, int days)
    : m_book(book), m_since(today.addDays(1 - days).toString(Qt::ISODate))
{
}

std::optional<BookRepeat> RepeatCheck::find(const Hub3aRecord &record, const BookOrigin &origin) const
{
    // Each key is looked up through its own index (key, left_at); the refused ones are left out by
    // their last event.
    SqliteStatement select(
        m_book.database(),
        "SELECT p.id, p.left_at, p.way, p.way_file, p.message_id FROM payment p "
        "WHERE p.id IN (SELECT id FROM payment WHERE repeat_key = ?1 AND left_at >= ?3 "
        "UNION SELECT id FROM payment WHERE source_key = ?2 AND left_at >= ?3) "
        "AND (SELECT state FROM payment_event WHERE payment_id = p.id ORDER BY id DESC LIMIT 1) <> 'refused' "
        "ORDER BY p.left_at DESC, p.id DESC LIMIT 1");
    select.bind(1, bookRepeatKey(record)).bind(2, bookSourceKey(origin)).bind(3, m_since);
    if (select.step() != SqliteStatement::Step::Row)
        return std::nullopt;
    BookRepeat repeat;
    repeat.id = select.columnInteger(0);
    repeat.day = QDate::fromString(select.columnText(1).left(10), Qt::ISODate);
    repeat.way = bookWayNamed(select.columnText(2)).value_or(BookWay::Printed);
    repeat.wayFile = select.columnText(3);
    repeat.messageId = select.columnText(4);
    return repeat;
}

QString repeatText(const BookRepeat &repeat)
{
    const QString day = repeat.day.toString(u"dd.MM.yyyy."_s);
    if (repeat.way == BookWay::Printed)
        return u"već plaćen %1 ispisanom uplatnicom"_s.arg(day);
    return u"već plaćen %1 u datoteci %2"_s.arg(day, QFileInfo(repeat.wayFile).fileName());
}

QString repeatQuestion(const BookRepeat &repeat)
{
    return u"Ovaj nalog je %1. Ipak platiti?"_s.arg(repeatText(repeat));
}
