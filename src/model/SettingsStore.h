#pragma once

#include "model/SettingsKey.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <optional>

// A key's absolute path under the per-user root, one key name per element. A name is never split,
// so a printer name holding the separator "\" stays one key.
using KeyPath = QStringList;

// The per-user settings store: keys by absolute path compared without regard to letter case, each
// with string and 32-bit integer values, kept in an SQLite database file. Nothing is cached: every
// operation opens the file, handles its value and closes it, so a value written by one running copy
// of the program is read by another at its next read. A file that cannot be opened (no folder, no
// permission, not a database, damaged, locked past the busy wait) is a key that cannot be opened; it
// is never replaced or deleted.
class SettingsStore
{
public:
    static constexpr std::chrono::milliseconds defaultBusyTimeout{500};

    explicit SettingsStore(const QString &databasePath,
                           std::chrono::milliseconds busyTimeout = defaultBusyTimeout);

    // $XDG_CONFIG_HOME/ZorvatPrint/settings.db
    static QString defaultPath();
    // The program's own key, "\Software\Tembrulo\Nerovant\Zorvat".
    static KeyPath mainKeyPath();

    QString databasePath() const { return m_path; }

    // Opens the key at path; with create a missing key is made together with the keys above it.
    // Nothing when the key does not exist (without create) or cannot be opened. Read access lets
    // other copies read and write meanwhile; ReadWrite reserves the store for this key's writes.
    std::optional<SettingsKey> OpenKey(const KeyPath &path, bool create, KeyAccess access) const;

    // The string stored under name in the main key, or the empty text when it is absent or the
    // key cannot be opened. Throws UserError "Invalid data type for '<name>'".
    QString ReadSetting(const QString &name) const;
    // ReadSetting for each of names in turn, all in one opening of the store, which start-up needs
    // to be quick. Each value is handed to use with its index once the store is closed again; a
    // value that is no string throws after the values before it have been handed over.
    void ReadSettings(const QStringList &names,
                      const std::function<void(qsizetype index, const QString &value)> &use) const;
    // Stores value under name in the main key; does nothing when the key cannot be opened.
    // Throws UserError "Failed to set data for '<name>'".
    void WriteSetting(const QString &name, const QString &value) const;

private:
    QString m_path;
    std::chrono::milliseconds m_busyTimeout;
};
