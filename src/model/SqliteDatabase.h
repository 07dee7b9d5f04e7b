#pragma once

#include <QString>

#include <chrono>
#include <memory>
#include <optional>

struct sqlite3;

// One open connection to an SQLite database file, closed when the object goes.
class SqliteDatabase
{
public:
    // Opens the file for reading and writing (read-only when the file allows no more); with create a
    // missing file is made, otherwise a missing file is not opened. A lock held by another connection
    // is waited for up to busyTimeout. Nothing when SQLite cannot open the file.
    static std::optional<SqliteDatabase> open(const QString &path, bool create,
                                              std::chrono::milliseconds busyTimeout);

    // Runs statements without results; false when one fails.
    bool exec(const char *sql) const;

    qint64 lastInsertId() const;
    // True when the file allows reading only.
    bool isReadOnly() const;
    sqlite3 *handle() const { return m_db.get(); }

private:
    struct Closer
    {
        void operator()(sqlite3 *db) const;
    };
    explicit SqliteDatabase(sqlite3 *db) : m_db(db) {}

    std::unique_ptr<sqlite3, Closer> m_db;
};
