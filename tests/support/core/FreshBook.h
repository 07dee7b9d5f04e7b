#pragma once

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

// While it lives, the tool's payments book is a new, empty one of its own, so that slips of one case
// are no repeats of another's.
class FreshBook
{
public:
    FreshBook() : m_old(qgetenv("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path()));
    }
    ~FreshBook() { qputenv("XDG_DATA_HOME", m_old); }
    FreshBook(const FreshBook &) = delete;
    FreshBook &operator=(const FreshBook &) = delete;

    QString bookPath() const { return m_dir.filePath(QStringLiteral("ZorvatPrint/payments.db")); }

private:
    QByteArray m_old;
    QTemporaryDir m_dir;
};
