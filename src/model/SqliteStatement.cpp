#include "model/SqliteStatement.h"

#include "model/SqliteDatabase.h"

#include <sqlite3.h>

void SqliteStatement::Finalizer::operator()(sqlite3_stmt *statement) const
{
    sqlite3_finalize(statement);
}

SqliteStatement::SqliteStatement(const SqliteDatabase &db, const char *sql)
{
    sqlite3_stmt *raw = nullptr;
    sqlite3_prepare_v2(db.handle(), sql, -1, &raw, nullptr);
    m_statement.reset(raw);
}

SqliteStatement &SqliteStatement::bind(int index, qint64 value)
{
    sqlite3_bind_int64(m_statement.get(), index, value);
    return *this;
}

SqliteStatement &SqliteStatement::bind(int index, const QString &value)
{
    // Text goes in as UTF-16 with its length, so every character (a NUL included) is kept.
    sqlite3_bind_text16(m_statement.get(), index, value.utf16(), static_cast<int>(value.size() * 2),
                        SQLITE_TRANSIENT);
    return *this;
}

SqliteStatement::Step SqliteStatement::step()
{
    if (!m_statement)
        return Step::Failed;
    switch (sqlite3_step(m_statement.get())) {
    case SQLITE_ROW:
        return Step::Row;
    case SQLITE_DONE:
        return Step::Done;
    default:
        return Step::Failed;
    }
}

SqliteStatement::ColumnType SqliteStatement::columnType(int column) const
{
    switch (sqlite3_column_type(m_statement.get(), column)) {
    case SQLITE_INTEGER:
        return ColumnType::Integer;
    case SQLITE_TEXT:
        return ColumnType::Text;
    default:
        return ColumnType::Other;
    }
}

qint64 SqliteStatement::columnInteger(int column) const
{
    return sqlite3_column_int64(m_statement.get(), column);
}

QString SqliteStatement::columnText(int column) const
{
    const auto *text = static_cast<const char16_t *>(sqlite3_column_text16(m_statement.get(), column));
    const int bytes = sqlite3_column_bytes16(m_statement.get(), column);
    return QString::fromUtf16(text, bytes / 2);
}
