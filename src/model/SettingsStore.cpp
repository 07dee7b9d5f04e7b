#include "model/SettingsStore.h"

#include "model/SqliteStatement.h"
#include "model/UserError.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <exception>

namespace {

constexpr int schemaVersion = 1;

// Keys form a tree under the root (parent 0); names and value names are matched by their case-folded
// form. A value's type is the SQLite type of its data: TEXT for strings, INTEGER for integers.
// SQLite keeps each table's statement as written, which lets a damaged layout be recognised.
constexpr const char *keysTable = R"(CREATE TABLE setting_keys (
    id INTEGER PRIMARY KEY,
    parent INTEGER NOT NULL,
    name TEXT NOT NULL,
    folded TEXT NOT NULL,
    UNIQUE (parent, folded)))";
constexpr const char *valuesTable = R"(CREATE TABLE setting_values (
    key INTEGER NOT NULL REFERENCES setting_keys (id),
    name TEXT NOT NULL,
    folded TEXT NOT NULL,
    data NOT NULL,
    PRIMARY KEY (key, folded)))";

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
    return found == 0 && db.exec(keysTable) && db.exec(valuesTable) && db.exec(setVersion.constData());
}

// False when the file is damaged: SQLite finds it inconsistent, or its tables are not exactly the
// ones above (none yet is fine). Such a file can take writes that are never read back (a broken
// index, a lost primary key) or answer with values of another key.
bool isIntact(const SqliteDatabase &db)
{
    SqliteStatement check(db, "PRAGMA integrity_check(1)");
    if (check.step() != SqliteStatement::Step::Row || check.columnText(0) != QLatin1StringView("ok"))
        return false;
    SqliteStatement tables(db, "SELECT sql FROM sqlite_master WHERE type = 'table' ORDER BY name");
    QStringList found;
    SqliteStatement::Step step;
    while ((step = tables.step()) == SqliteStatement::Step::Row)
        found.append(tables.columnText(0));
    const QStringList own = {QString::fromLatin1(keysTable), QString::fromLatin1(valuesTable)};
    return step == SqliteStatement::Step::Done && (found.isEmpty() || found == own);
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
    if (!isIntact(*db)) {
        db->exec("ROLLBACK");
        return std::nullopt;
    }
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

void SettingsStore::ReadSettings(const QStringList &names,
                                 const std::function<void(qsizetype, const QString &)> &use) const
{
    QStringList values;
    std::exception_ptr failure;
    if (std::optional<SettingsKey> key = OpenKey(mainKeyPath(), true, KeyAccess::Read)) {
        try {
            for (const QString &name : names)
                values.append(key->ReadString(name));
        } catch (const UserError &) {
            failure = std::current_exception();
        }
        key->CloseKey();
    } else {
        values.resize(names.size());
    }
    for (qsizetype i = 0; i < values.size(); ++i)
        use(i, values[i]);
    if (failure)
        std::rethrow_exception(failure);
}

void SettingsStore::WriteSetting(const QString &name, const QString &value) const
{
    std::optional<SettingsKey> key = OpenKey(mainKeyPath(), true, KeyAccess::ReadWrite);
    if (!key)
        return;
    key->WriteString(name, value);
    key->CloseKey();
}
