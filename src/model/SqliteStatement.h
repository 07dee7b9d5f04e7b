#pragma once

#include <QString>

#include <memory>

class SqliteDatabase;
struct sqlite3_stmt;

// One prepared statement of a connection, finalized when the object goes.
class SqliteStatement
{
public:
    enum class Step { Row, Done, Failed };
    enum class ColumnType { Integer, Text, Other };

    // Prepares sql; a statement that could not be prepared fails at its first step.
    SqliteStatement(const SqliteDatabase &db, const char *sql);

    // Binds parameter index (from 1).
    SqliteStatement &bind(int index, qint64 value);
    SqliteStatement &bind(int index, const QString &value);

    Step step();

    ColumnType columnType(int column) const;
    qint64 columnInteger(int column) const;
    QString columnText(int column) const;

private:
    struct Finalizer
    {
        void operator()(sqlite3_stmt *statement) const;
    };
    std::unique_ptr<sqlite3_stmt, Finalizer> m_statement;
};
