#include "model/SettingsKey.h"

#include "model/SqliteStatement.h"
#include "model/UserError.h"

#include <limits>
#include <utility>

namespace {

UserError failedToGet(const QString &name)
{
    return UserError(QStringLiteral("Failed to get data for '%1'").arg(name));
}

UserError invalidDataType(const QString &name)
{
    return UserError(QStringLiteral("Invalid data type for '%1'").arg(name));
}

UserError failedToSet(const QString &name)
{
    return UserError(QStringLiteral("Failed to set data for '%1'").arg(name));
}

bool isInt32(qint64 value)
{
    return value >= std::numeric_limits<qint32>::min() && value <= std::numeric_limits<qint32>::max();
}

} // namespace

SettingsKey::SettingsKey(SqliteDatabase db, qint64 id, KeyAccess access)
    : m_db(std::move(db)), m_id(id), m_access(access)
{
}

SettingsKey::SettingsKey(SettingsKey &&other) noexcept
    : m_db(std::exchange(other.m_db, std::nullopt)), m_id(other.m_id), m_access(other.m_access),
      m_lastWritten(std::move(other.m_lastWritten))
{
}

SettingsKey::~SettingsKey()
{
    if (m_db)
        m_db->exec("ROLLBACK");
}

QString SettingsKey::ReadString(const QString &name) const
{
    SqliteStatement select(*m_db, "SELECT data FROM setting_values WHERE key = ?1 AND folded = ?2");
    select.bind(1, m_id).bind(2, name.toCaseFolded());
    // A value that cannot be read counts as absent, as an empty string.
    if (select.step() != SqliteStatement::Step::Row)
        return QString();
    if (select.columnType(0) != SqliteStatement::ColumnType::Text)
        throw invalidDataType(name);
    const QString text = select.columnText(0);
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    return nul < 0 ? text : text.left(nul);
}

qint32 SettingsKey::ReadInteger(const QString &name) const
{
    SqliteStatement select(*m_db, "SELECT data FROM setting_values WHERE key = ?1 AND folded = ?2");
    select.bind(1, m_id).bind(2, name.toCaseFolded());
    if (select.step() != SqliteStatement::Step::Row)
        throw failedToGet(name);
    const qint64 value = select.columnInteger(0);
    if (select.columnType(0) != SqliteStatement::ColumnType::Integer || !isInt32(value))
        throw invalidDataType(name);
    return static_cast<qint32>(value);
}

template <typename Bind> void SettingsKey::writeValue(const QString &name, Bind bindData)
{
    if (m_access != KeyAccess::ReadWrite)
        throw failedToSet(name);
    // The column has no declared type, so the value keeps the type it is written with.
    SqliteStatement upsert(*m_db,
                           "INSERT INTO setting_values (key, name, folded, data) VALUES (?1, ?2, ?3, ?4)"
                           " ON CONFLICT (key, folded) DO UPDATE SET data = excluded.data");
    upsert.bind(1, m_id).bind(2, name).bind(3, name.toCaseFolded());
    bindData(upsert);
    if (upsert.step() != SqliteStatement::Step::Done)
        throw failedToSet(name);
    m_lastWritten = name;
}

void SettingsKey::WriteString(const QString &name, const QString &value)
{
    writeValue(name, [&](SqliteStatement &upsert) { upsert.bind(4, value); });
}

void SettingsKey::WriteInteger(const QString &name, qint32 value)
{
    writeValue(name, [&](SqliteStatement &upsert) { upsert.bind(4, qint64{value}); });
}

void SettingsKey::CloseKey()
{
    if (!m_db)
        return;
    const bool stored = m_db->exec("COMMIT");
    if (!stored)
        m_db->exec("ROLLBACK");
    m_db.reset();
    if (!stored && m_lastWritten)
        throw failedToSet(*m_lastWritten);
}
