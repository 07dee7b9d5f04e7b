#include "model/SqliteDatabase.h"

#include <QFile>

#include <sqlite3.h>

void SqliteDatabase::Closer::operator()(sqlite3 *db) const
{
    sqlite3_close_v2(db);
}

std::optional<SqliteDatabase> SqliteDatabase::open(const QString &path, bool create,
                                                   std::chrono::milliseconds busyTimeout)
{
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    sqlite3 *raw = nullptr;
    const int result = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, flags, nullptr);
    SqliteDatabase db(raw); // closes raw on every path, also when opening failed
    if (result != SQLITE_OK)
        return std::nullopt;
    sqlite3_busy_timeout(raw, static_cast<int>(busyTimeout.count()));
    return db;
}

bool SqliteDatabase::exec(const char *sql) const
{
    return sqlite3_exec(m_db.get(), sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

qint64 SqliteDatabase::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db.get());
}

bool SqliteDatabase::isReadOnly() const
{
    return sqlite3_db_readonly(m_db.get(), "main") == 1;
}
