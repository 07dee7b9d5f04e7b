#include "book/BookQuery.h"

#include "book/BookRows.h"
#include "book/PaymentBook.h"
#include "model/SqliteStatement.h"

#include <sqlite3.h>

#include <algorithm>
#include <span>
#include <variant>

using namespace Qt::StringLiterals;

namespace {

// A pattern that finds part in a text by LIKE, its own % and _ taken as they are.
QString containing(const QString &part)
{
    QString escaped = part;
    escaped.replace(u'\\', u"\\\\"_s).replace(u'%', u"\\%"_s).replace(u'_', u"\\_"_s);
    return u'%' + escaped + u'%';
}

// The texts the clerk's text is looked for in.
constexpr const char *searchedColumns[] = {"p.recipient_name",  "p.payer_name",  "p.recipient_reference",
                                           "p.payer_reference", "p.description", "p.recipient_iban",
                                           "p.payer_iban",      "p.amount",      "p.way_file",
                                           "p.message_id",      "p.source_file"};

// book_fold(text): the text case-folded as Qt folds it, so that "šimić" finds "ŠIMIĆ" (SQLite's own
// LIKE folds only ASCII letters).
void foldText(sqlite3_context *context, int, sqlite3_value **values)
{
    const void *text = sqlite3_value_text16(values[0]);
    if (!text) {
        sqlite3_result_null(context);
        return;
    }
    const QString folded =
        QString(static_cast<const QChar *>(text), sqlite3_value_bytes16(values[0]) / 2).toCaseFolded();
    sqlite3_result_text16(context, folded.utf16(), static_cast<int>(folded.size() * 2), SQLITE_TRANSIENT);
}

void addFold(const PaymentBook &book)
{
    if (sqlite3_create_function_v2(book.database().handle(), "book_fold", 1,
                                   SQLITE_UTF16 | SQLITE_DETERMINISTIC, nullptr, foldText, nullptr, nullptr,
                                   nullptr) != SQLITE_OK)
        book.refuse();
}

// The WHERE of a filter with its parameters from ?1 on, only the parts the filter uses, so that
// SQLite can take the day index when a range is given.
struct Condition
{
    QByteArray sql;
    QList<std::variant<qint64, QString>> values;
    bool needsState = false;
    bool folds = false;

    explicit Condition(const BookFilter &filter, qint64 before = 0)
    {
        QList<QByteArray> parts;
        const auto add = [&](const QByteArray &part, const std::variant<qint64, QString> &value) {
            values.append(value);
            parts.append(QByteArray(part).replace("?", "?" + QByteArray::number(values.size())));
        };
        // SQLite's LIKE ignores the case of ASCII letters only; a part with other letters is looked
        // for in the folded texts, which costs a call a payment (the texts joined by a character
        // nobody types).
        const auto addContaining = [&](std::span<const char *const> columns, const QString &part) {
            const bool ascii =
                std::all_of(part.begin(), part.end(), [](QChar ch) { return ch.unicode() < 0x80; });
            QList<QByteArray> each;
            for (const char *column : columns)
                each.append(QByteArray(column) + (ascii ? " LIKE ? ESCAPE '\\'" : ""));
            if (ascii) {
                add('(' + each.join(" OR ") + ')', containing(part));
            } else {
                folds = true;
                add("book_fold(" + each.join(" || char(1) || ") + ") LIKE ? ESCAPE '\\'",
                    containing(part.toCaseFolded()));
            }
        };
        if (filter.state) {
            needsState = true;
            add("e.state = ?", bookStateName(*filter.state));
        }
        // The day bounds compare as text: left_at starts with the ISO day.
        if (filter.from.isValid())
            add("p.left_at >= ?", filter.from.toString(Qt::ISODate));
        if (filter.to.isValid())
            add("p.left_at < ?", filter.to.addDays(1).toString(Qt::ISODate));
        if (const QString recipient = filter.recipient.trimmed(); !recipient.isEmpty())
            addContaining(std::span(searchedColumns).first(1), recipient);
        if (const QString text = filter.text.trimmed(); !text.isEmpty())
            addContaining(searchedColumns, text);
        if (before > 0)
            add("p.id < ?", before);
        sql = parts.isEmpty() ? QByteArray("1") : parts.join(" AND ");
    }

    void bind(SqliteStatement &statement) const
    {
        for (qsizetype i = 0; i < values.size(); ++i)
            std::visit([&](const auto &value) { statement.bind(static_cast<int>(i) + 1, value); }, values[i]);
    }
};

} // namespace

namespace BookQuery {

QList<BookEntry> page(const PaymentBook &book, const BookFilter &filter, qint64 before, int limit)
{
    const Condition where(filter, before);
    if (where.folds)
        addFold(book);
    const QByteArray sql = QByteArray(bookEntrySelect) + "WHERE " + where.sql + " ORDER BY p.id DESC LIMIT " +
                           QByteArray::number(limit);
    SqliteStatement select(book.database(), sql.constData());
    where.bind(select);
    return bookEntriesOf(select);
}

BookTotals totals(const PaymentBook &book, const BookFilter &filter)
{
    const Condition where(filter);
    if (where.folds)
        addFold(book);
    // Every payment has its first state, so the latest state is joined only when it is asked about.
    const QByteArray from =
        where.needsState ? QByteArray("FROM payment p JOIN payment_event e ON e.id = (SELECT MAX(id) FROM "
                                      "payment_event WHERE payment_id = p.id) ")
                         : QByteArray("FROM payment p ");
    const QByteArray sql = "SELECT COUNT(*), COALESCE(SUM(p.amount_cents), 0) " + from + "WHERE " + where.sql;
    SqliteStatement select(book.database(), sql.constData());
    where.bind(select);
    if (select.step() != SqliteStatement::Step::Row)
        book.refuse();
    return {select.columnInteger(0), select.columnInteger(1)};
}

QList<BookEvent> events(const PaymentBook &book, qint64 id)
{
    SqliteStatement select(book.database(),
                           "SELECT at, state, reason FROM payment_event WHERE payment_id = ?1 ORDER BY id");
    select.bind(1, id);
    QList<BookEvent> events;
    while (select.step() == SqliteStatement::Step::Row) {
        events.append({QDateTime::fromString(select.columnText(0), Qt::ISODateWithMs),
                       bookStateNamed(select.columnText(1)).value_or(BookState::Prepared),
                       select.columnText(2)});
    }
    return events;
}

} // namespace BookQuery
