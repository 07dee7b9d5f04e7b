#pragma once

#include "model/SqliteDatabase.h"

#include <QString>

#include <optional>

enum class KeyAccess { Read, ReadWrite };

// An open key of the settings store, with its string and 32-bit integer values. The key holds
// its own connection and transaction: everything done through it is stored together by CloseKey,
// and an object that goes without CloseKey (an error on the way) stores nothing.
// Value names are compared without regard to letter case.
class SettingsKey
{
public:
    SettingsKey(SettingsKey &&other) noexcept;
    SettingsKey &operator=(SettingsKey &&) = delete;
    ~SettingsKey();

    // The string value name; the empty text when there is none. Throws UserError
    // "Invalid data type for '<name>'" when the value is not a string.
    QString ReadString(const QString &name) const;
    // The integer value name. Throws UserError "Failed to get data for '<name>'" when there is none
    // and "Invalid data type for '<name>'" when it is not a 32-bit integer.
    qint32 ReadInteger(const QString &name) const;

    // Store a value under name, replacing any value of that name whatever its type. Throw UserError
    // "Failed to set data for '<name>'" when the store refuses or the key was opened for reading.
    void WriteString(const QString &name, const QString &value);
    void WriteInteger(const QString &name, qint32 value);

    // Stores what was written and closes the key, which is not used afterwards. Throws UserError
    // "Failed to set data for '<name>'" (the last value written) when the store refuses; nothing is
    // stored then.
    void CloseKey();

private:
    friend class SettingsStore;
    SettingsKey(SqliteDatabase db, qint64 id, KeyAccess access);

    template <typename Bind> void writeValue(const QString &name, Bind bindData);

    std::optional<SqliteDatabase> m_db; // empty once closed
    qint64 m_id;
    KeyAccess m_access;
    std::optional<QString> m_lastWritten;
};
