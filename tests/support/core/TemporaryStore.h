#pragma once

#include "model/SettingsStore.h"
#include "model/SqliteDatabase.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <stdexcept>

// A settings store in a folder of its own that goes with the test; the real user's store is never
// touched. The folder of the database file does not exist until the store makes it.
class TemporaryStore
{
public:
    TemporaryStore()
        : m_path(m_dir.filePath(QStringLiteral("config/ZorvatPrint/settings.db"))), m_store(m_path)
    {
    }

    const SettingsStore &store() const { return m_store; }
    QString path() const { return m_path; }
    QString folder() const { return m_dir.path(); }

    // Another store on the same file, as another running copy of the program has it.
    SettingsStore another(std::chrono::milliseconds busyTimeout = SettingsStore::defaultBusyTimeout) const
    {
        return SettingsStore(m_path, busyTimeout);
    }

    // Makes the store refuse every write of the value name from now on, as a full disk would.
    void refuseWritesOf(const QString &name) const
    {
        m_store.ReadSetting(QStringLiteral("any")); // makes the tables
        const auto db = SqliteDatabase::open(m_path, false, std::chrono::milliseconds(0));
        const QByteArray quoted = "'" + name.toUtf8() + "'";
        QByteArray triggers;
        for (const QByteArray &event : {QByteArray("INSERT"), QByteArray("UPDATE")}) {
            triggers += "CREATE TRIGGER refuse_" + event + "_" + name.toUtf8() + " BEFORE " + event +
                        " ON setting_values WHEN NEW.name = " + quoted +
                        " BEGIN SELECT RAISE(ABORT, 'refused'); END;";
        }
        if (!db || !db->exec(triggers.constData()))
            throw std::runtime_error("cannot install the refusing triggers");
    }

    QByteArray fileBytes() const
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
    SettingsStore m_store;
};
