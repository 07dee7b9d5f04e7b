#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// The program's one partner list, in file order, with its file "DataZor.dat". Entries are kept
// in memory until SaveData writes the whole list.
class PartnerList : public QObject
{
    Q_OBJECT

public:
    explicit PartnerList(const QString &filePath);

    // "DataZor.dat" beside the program when its folder is writable (a build or portable folder),
    // otherwise, and always for a program installed in <prefix>/bin, in the per-user data folder.
    static QString defaultFilePath(const QString &programDirectory);

    QString filePath() const { return m_filePath; }

    QStringList entries() const { return m_entries; }
    int count() const { return static_cast<int>(m_entries.size()); }

    // at, replace and remove throw UserError "List index out of bounds (<index>)".
    QString at(int index) const;
    void append(const QString &entry);
    void replace(int index, const QString &entry);
    void remove(int index);

    // Empties the list and reads the file's lines into it; a missing file leaves it empty.
    // Throws UserError "Cannot open file <path>" or "Stream read error".
    void LoadData();
    // Writes the whole list to the file, making its folder when needed; a failed save leaves the old
    // file whole. Throws UserError "Cannot create file <path>" or "Stream write error".
    void SaveData() const;

signals:
    void changed();

private:
    void checkIndex(int index) const;

    QString m_filePath;
    QStringList m_entries;
};
