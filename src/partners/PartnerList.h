#pragma once

#include "partners/PartnerFilePlaces.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <chrono>

// The program's one partner list, in file order, with its file "DataZor.dat". Entries are kept
// in memory until SaveData writes the whole list.
class PartnerList : public QObject
{
    Q_OBJECT

public:
    explicit PartnerList(const QString &filePath);
    explicit PartnerList(const PartnerFilePlaces &places);

    // Where the first save goes when no partner file exists yet: beside the program when its folder
    // is writable (a build or portable folder), otherwise, and always for a program installed in
    // <prefix>/bin, in the per-user data folder.
    static QString defaultFilePath(const QString &programDirectory);

    // Where the next save goes.
    QString filePath() const { return m_places.savePath(); }

    QStringList entries() const { return m_entries; }
    int count() const { return static_cast<int>(m_entries.size()); }

    // at, replace and remove throw UserError "List index out of bounds (<index>)".
    QString at(int index) const;
    void append(const QString &entry);
    void replace(int index, const QString &entry);
    void remove(int index);

    // Empties the list and reads the file's lines into it; a missing file leaves it empty.
    // Throws UserError "Datoteka <path> ne može se otvoriti" or "Stream read error".
    void LoadData();
    // False when the last LoadData failed or stopped early (at a NUL byte): the file then holds
    // what the list lacks. loadError says why.
    bool loadedWhole() const { return m_loadError.isEmpty(); }
    QString loadError() const { return m_loadError; }
    // Throws UserError saying that the list will not be saved at the end of the program, and why,
    // when the file did not load whole; does nothing otherwise.
    void warnIfNotSavedAtExit() const;

    // Writes the whole list to the file, making its folder when needed; a failed save leaves the old
    // file whole. When another running copy saved the file since this one read it, the two lists
    // are merged; a list that this copy did not change is then not written at all. Saves of running
    // copies take turns. Throws UserError "Datoteka <path> ne može se stvoriti" or "Stream write error", or
    // says that another copy has been saving for too long.
    void SaveData();

    // How long SaveData waits for another running copy's save; 5 s unless set.
    void setSaveLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }

signals:
    void changed();

private:
    struct Save
    {
        QStringList list;
        bool write;
        // Nothing is written and the list still stands for the file it was read from.
        bool keepsWhatWasRead = false;
    };

    void checkIndex(int index) const;
    Save saveFor(const QString &target) const;
    void remember(const QString &path, const QStringList &entries, const QByteArray &bytes);

    PartnerFilePlaces m_places;
    QStringList m_entries;
    // For each entry, its line in the file as last read or saved, or -1 for an entry added since.
    QList<qsizetype> m_readLines;
    bool m_edited = false;
    // The file as last read or saved: where, its entries and a digest of its bytes (empty when
    // there was no file).
    QString m_readFrom;
    QStringList m_asRead;
    QByteArray m_readDigest;
    QString m_loadError;
    std::chrono::milliseconds m_lockWait{5000};
};
