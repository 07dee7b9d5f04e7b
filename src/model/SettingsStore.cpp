#include "SettingsStore.h"

#include "SqliteStatement.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr int schemaVersion = 1;

// Keys form a tree under the root (parent 0); names and value names are matched by their case-folded
// form. A value's type is the SQLite type of its data: TEXT for strings, INTEGER for integers.
constexpr const char *createSchema = R"(
CREATE TABLE setting_keys (
    id INTEGER PRIMARY KEY,
    parent INTEGER NOT NULL,
    name TEXT NOT NULL,
    folded TEXT NOT NULL,
    UNIQUE (parent, folded));
CREATE TABLE setting_values (
    key INTEGER NOT NULL REFERENCES setting_keys (id),
    name TEXT NOT NULL,
    folded TEXT NOT NULL,
    data NOT NULL,
    PRIMARY KEY (key, folded));
)";

// Makes the tables of a new database; false when the file holds a layout of another version.
bool ensureSchema(const SqliteDatabase &db)
{
    SqliteStatement version(db, "PRAGMA user_version");
    if (version.step() != SqliteStatement::Step::Row)
        return false;
    const qint64 found = version.columnInteger(0);
    if (found == schemaVersion)
        return true;
    const QByteArray setVersion = "PRAGMA user_version = " + QByteArray::number(schemaVersion);
    return found == 0 && db.exec(createSchema) && db.exec(setVersion.constData());
}

std::optional<qint64> findChild(const SqliteDatabase &db, qint64 parent, const QString &name)
{
    SqliteStatement select(db, "SELECT id FROM setting_keys WHERE parent = ?1 AND folded = ?2");
    select.bind(1, parent).bind(2, name.toCaseFolded());
    if (select.step() != SqliteStatement::Step::Row)
        return std::nullopt;
    return select.columnInteger(0);
}

std::optional<qint64> createChild(const SqliteDatabase &db, qint64 parent, const QString &name)
{
    SqliteStatement insert(db, "INSERT INTO setting_keys (parent, name, folded) VALUES (?1, ?2, ?3)");
    insert.bind(1, parent).bind(2, name).bind(3, name.toCaseFolded());
    if (insert.step() != SqliteStatement::Step::Done)
        return std::nullopt;
    return db.lastInsertId();
}

// The id of the key at path, made with the keys above it when create is set.
std::optional<qint64> resolveKey(const SqliteDatabase &db, const KeyPath &path, bool create)
{
    if (create && !ensureSchema(db))
        return std::nullopt;
    qint64 id = 0;
    for (const QString &name : path) {
        std::optional<qint64> child = findChild(db, id, name);
        if (!child && create)
            child = createChild(db, id, name);
        if (!child)
            return std::nullopt;
        id = *child;
    }
    return id;
}

} // namespace

SettingsStore::SettingsStore(const QString &databasePath, std::chrono::milliseconds busyTimeout)
    : m_path(databasePath), m_busyTimeout(busyTimeout)
{
}

QString SettingsStore::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/ZorvatPrint/settings.db");
}

KeyPath SettingsStore::mainKeyPath()
{
    return QStringLiteral("\\Software\\Tembrulo\\Nerovant\\Zorvat").split(u'\\', Qt::SkipEmptyParts);
}

std::optional<SettingsKey> SettingsStore::OpenKey(const KeyPath &path, bool create, KeyAccess access) const
{
    if (create && !QDir().mkpath(QFileInfo(m_path).absolutePath()))
        return std::nullopt;
    std::optional<SqliteDatabase> db = SqliteDatabase::open(m_path, create, m_busyTimeout);
    if (!db)
        return std::nullopt;
    // Like a key without write permission, a read-only file cannot be opened for writing.
    const bool writing = access == KeyAccess::ReadWrite;
    if ((writing && db->isReadOnly()) || !db->exec(writing ? "BEGIN IMMEDIATE" : "BEGIN"))
        return std::nullopt;
    const std::optional<qint64> id = resolveKey(*db, path, create);
    if (!id) {
        db->exec("ROLLBACK");
        return std::nullopt;
    }
    return SettingsKey(std::move(*db), *id, access);
}

QString SettingsStore::ReadSetting(const QString &name) const
{
    std::optional<SettingsKey> key = OpenKey(mainKeyPath(), true, KeyAccess::Read);
    if (!key)
        return QString();
    const QString value = key->ReadString(name);
    key->CloseKey();
    return value;
}

void SettingsStore::WriteSetting(const QString &name, const QString &value) const
{
    std::optional<SettingsKey> key = OpenKey(mainKeyPath(), true, KeyAccess::ReadWrite);
    if (!key)
        return;
    key->WriteString(name, value);
    key->CloseKey();
}
