#include "book/PaymentBook.h"

#include "book/BookKeys.h"
#include "book/BookRows.h"
#include "book/BookSchema.h"
#include "model/SqliteStatement.h"
#include "model/UserError.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int largestDailyCount = 9999;

QString timeText(const QDateTime &time)
{
    return time.toString(Qt::ISODateWithMs);
}

// Why the last call on db failed, as the clerk is told.
QString failureText(sqlite3 *db)
{
    switch (db ? sqlite3_errcode(db) : SQLITE_CANTOPEN) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return u"datoteka je samo za čitanje"_s;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return u"drugi pokrenuti primjerak programa predugo je drži zauzetom"_s;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return u"datoteka je oštećena ili nije knjiga plaćanja"_s;
    case SQLITE_FULL:
        return u"disk je pun"_s;
    case SQLITE_CANTOPEN:
        return u"datoteka se ne može otvoriti"_s;
    default:
        return u"greška SQLite %1"_s.arg(sqlite3_errcode(db));
    }
}

[[noreturn]] void refuseBook(const QString &path, const QString &why)
{
    throw UserError(u"Knjiga plaćanja %1 ne može se upisati: %2"_s.arg(QDir::toNativeSeparators(path), why));
}

SqliteDatabase openBook(const QString &path, std::chrono::milliseconds busyTimeout)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        refuseBook(path, u"mapa se ne može stvoriti"_s);
    std::optional<SqliteDatabase> db = SqliteDatabase::open(path, true, busyTimeout);
    if (!db)
        refuseBook(path, u"datoteka se ne može otvoriti"_s);
    if (db->isReadOnly())
        refuseBook(path, u"datoteka je samo za čitanje"_s);
    return std::move(*db);
}

QString messageIdOf(QDate day, int number)
{
    return u"UN%1%2"_s.arg(day.toString(u"yyyyMMdd"_s)).arg(number, 4, 10, QChar(u'0'));
}

int largestNumberOfDay(const SqliteDatabase &db, QDate day)
{
    SqliteStatement select(db, "SELECT MAX(number) FROM bank_message WHERE day = ?1");
    select.bind(1, day.toString(Qt::ISODate));
    return select.step() == SqliteStatement::Step::Row ? static_cast<int>(select.columnInteger(0)) : -1;
}

} // namespace

PaymentBook::PaymentBook(const QString &path, std::chrono::milliseconds busyTimeout)
    : m_path(path), m_db(openBook(path, busyTimeout))
{
    // WAL lets the other copies read while one writes; FULL makes a committed payment outlast a
    // power cut, not only a killed program.
    if (!m_db.exec("PRAGMA journal_mode = WAL; PRAGMA synchronous = FULL; PRAGMA foreign_keys = ON"))
        refuse();
    migrate();
}

QString PaymentBook::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           u"/ZorvatPrint/payments.db"_s;
}

void PaymentBook::refuse() const
{
    refuseBook(m_path, failureText(m_db.handle()));
}

void PaymentBook::refuse(const QString &why) const
{
    refuseBook(m_path, why);
}

void PaymentBook::migrate()
{
    const auto steps = bookSchemaSteps();
    const auto version = [this] {
        SqliteStatement select(m_db, "PRAGMA user_version");
        if (select.step() != SqliteStatement::Step::Row)
            refuse();
        return select.columnInteger(0);
    };
    if (version() == static_cast<qint64>(steps.size()))
        return;
    // Another copy may be bringing the book up at the same moment: the version is read again
    // inside the write lock.
    Transaction transaction(*this);
    const qint64 found = version();
    if (found > static_cast<qint64>(steps.size()))
        refuse(u"zapisala ju je novija inačica programa"_s);
    for (auto step = static_cast<size_t>(found); step < steps.size(); ++step) {
        if (!m_db.exec(steps[step]))
            refuse();
    }
    if (!m_db.exec(u"PRAGMA user_version = %1"_s.arg(steps.size()).toLatin1().constData()))
        refuse();
    transaction.commit();
}

PaymentBook::Transaction::Transaction(PaymentBook &book) : m_book(book)
{
    if (!m_book.m_db.exec("BEGIN IMMEDIATE"))
        m_book.refuse();
    m_open = true;
}

PaymentBook::Transaction::~Transaction()
{
    if (m_open)
        m_book.m_db.exec("ROLLBACK");
}

void PaymentBook::Transaction::commit()
{
    if (!m_book.m_db.exec("COMMIT"))
        m_book.refuse();
    m_open = false;
}

QString PaymentBook::takeMessageId(const Transaction &, QDate day, const QString &sender, int counted)
{
    const int number = std::max(largestNumberOfDay(m_db, day), counted) + 1;
    if (number > largestDailyCount)
        throw UserError(u"Danas je već napravljeno %1 datoteka naloga za banku; oznaka poruke "
                        "UNggggmmddnnnn ne može se ponoviti"_s.arg(largestDailyCount));
    const QString id = messageIdOf(day, number);
    SqliteStatement insert(m_db, "INSERT INTO bank_message (message_id, day, number, sender, taken) "
                                 "VALUES (?1, ?2, ?3, ?4, ?5)");
    insert.bind(1, id).bind(2, day.toString(Qt::ISODate)).bind(3, number).bind(4, sender);
    insert.bind(5, timeText(QDateTime::currentDateTime()));
    if (insert.step() != SqliteStatement::Step::Done)
        refuse();
    return id;
}

QString PaymentBook::nextMessageId(QDate day, int counted) const
{
    return messageIdOf(day,
                       std::min(std::max(largestNumberOfDay(m_db, day), counted) + 1, largestDailyCount));
}

qint64 PaymentBook::record(const Transaction &transaction, const BookPayment &payment, const QDateTime &left,
                           BookState state)
{
    SqliteStatement insert(
        m_db, "INSERT INTO payment (left_at, payer_name, payer_street, payer_place, recipient_name, "
              "recipient_street, recipient_place, payer_iban, payer_model, payer_reference, recipient_iban, "
              "recipient_model, recipient_reference, purpose, description, amount, execution_date, urgent, "
              "instant, amount_cents, source, source_file, source_place, way, way_file, message_id, "
              "payment_info_id, instruction_id, end_to_end_id, repeat_key, source_key) VALUES (?1, ?2, ?3, "
              "?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, ?22, ?23, "
              "?24, ?25, ?26, ?27, ?28, ?29, ?30, ?31)");
    insert.bind(1, timeText(left));
    for (int field = 0; field < hub3aFieldCount; ++field)
        insert.bind(2 + field, payment.record.texts[static_cast<size_t>(field)]);
    int index = 2 + hub3aFieldCount;
    insert.bind(index++, qint64(payment.instant ? 1 : 0));
    insert.bind(index++, hub3aAmountCents(payment.record[Hub3aField::Amount]).value_or(0));
    insert.bind(index++, bookSourceName(payment.origin.source));
    insert.bind(index++, payment.origin.file);
    insert.bind(index++, qint64(payment.origin.place));
    insert.bind(index++, bookWayName(payment.way));
    insert.bind(index++, payment.wayFile);
    insert.bind(index++, payment.messageId);
    insert.bind(index++, payment.paymentInfoId);
    insert.bind(index++, payment.instructionId);
    insert.bind(index++, payment.endToEndId);
    insert.bind(index++, bookRepeatKey(payment.record));
    if (const QString sourceKey = bookSourceKey(payment.origin); !sourceKey.isEmpty())
        insert.bind(index, sourceKey);
    if (insert.step() != SqliteStatement::Step::Done)
        refuse();
    const qint64 id = m_db.lastInsertId();
    changeState(transaction, id, state, QString(), left);
    return id;
}

void PaymentBook::changeState(const Transaction &, qint64 id, BookState state, const QString &reason,
                              const QDateTime &at)
{
    SqliteStatement insert(
        m_db, "INSERT INTO payment_event (payment_id, at, state, reason) VALUES (?1, ?2, ?3, ?4)");
    insert.bind(1, id).bind(2, timeText(at)).bind(3, bookStateName(state)).bind(4, reason);
    if (insert.step() != SqliteStatement::Step::Done)
        refuse();
}

QList<BookEntry> PaymentBook::entries(QDate from, QDate to, std::optional<BookState> state) const
{
    // The day bounds compare as text: left_at starts with the ISO day.
    SqliteStatement select(m_db, (QByteArray(bookEntrySelect) +
                                  "WHERE (?1 = '' OR p.left_at >= ?1) AND (?2 = '' OR p.left_at < ?2) "
                                  "AND (?3 = '' OR e.state = ?3) ORDER BY p.id")
                                     .constData());
    select.bind(1, from.isValid() ? from.toString(Qt::ISODate) : QString());
    select.bind(2, to.isValid() ? to.addDays(1).toString(Qt::ISODate) : QString());
    select.bind(3, state ? bookStateName(*state) : QString());
    return bookEntriesOf(select);
}

QList<BookEntry> PaymentBook::entriesOfMessage(const QString &messageId) const
{
    SqliteStatement select(m_db,
                           (QByteArray(bookEntrySelect) + "WHERE p.message_id = ?1 ORDER BY p.id").constData());
    select.bind(1, messageId);
    return bookEntriesOf(select);
}

QList<BookEntry> PaymentBook::entriesNumbered(const QList<qint64> &ids) const
{
    const QByteArray sql = QByteArray(bookEntrySelect) + "WHERE p.id = ?1";
    QList<BookEntry> entries;
    for (const qint64 id : ids) {
        SqliteStatement select(m_db, sql.constData());
        select.bind(1, id);
        entries += bookEntriesOf(select);
    }
    return entries;
}

QList<BookEntry> PaymentBook::entriesWithId(BankId kind, const QString &id, std::optional<qint64> cents) const
{
    static constexpr const char *columns[] = {"p.end_to_end_id", "p.instruction_id", "p.payment_info_id"};
    SqliteStatement select(m_db, (QByteArray(bookEntrySelect) + "WHERE " + columns[static_cast<int>(kind)] +
                                  " = ?1 AND (?2 < 0 OR p.amount_cents = ?2) ORDER BY p.id")
                                     .constData());
    select.bind(1, id).bind(2, cents.value_or(-1));
    return bookEntriesOf(select);
}

QList<BookEntry> PaymentBook::entriesOfAmount(qint64 cents) const
{
    SqliteStatement select(m_db,
                           (QByteArray(bookEntrySelect) + "WHERE p.amount_cents = ?1 ORDER BY p.id").constData());
    select.bind(1, cents);
    return bookEntriesOf(select);
}

QList<BookEntry> PaymentBook::entriesToAccount(const QString &iban, const QString &reference) const
{
    // The repeat key begins with the IBAN, then the model and reference (bookRepeatKey): a range of
    // the key's index. Nothing in a key sorts after DEL.
    const QString prefix = reference.isEmpty() ? iban + u'|' : iban + u'|' + reference + u'|';
    SqliteStatement select(m_db, (QByteArray(bookEntrySelect) +
                                  "WHERE p.repeat_key >= ?1 AND p.repeat_key < ?2 ORDER BY p.id")
                                     .constData());
    select.bind(1, prefix).bind(2, prefix + QChar(0x7f));
    return bookEntriesOf(select);
}
