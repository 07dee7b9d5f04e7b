#pragma once

#include <QString>

// Where "DataZor.dat" is read from and saved to: beside the program (a build or portable folder)
// or in the per-user data folder (an installed program cannot write beside itself). A file beside
// the program is always read; once a save had to go to the per-user file, that file wins.
class PartnerFilePlaces
{
public:
    // One file for both reading and saving.
    explicit PartnerFilePlaces(const QString &path) : PartnerFilePlaces(path, path) {}
    PartnerFilePlaces(const QString &besideProgram, const QString &perUser);
    // The two places for a program in programDirectory; only the per-user file for a program
    // installed in <prefix>/bin (besideProgram empty).
    static PartnerFilePlaces forProgramIn(const QString &programDirectory);

    // The per-user file when it exists (unless it is empty without the emptied mark and the one
    // beside the program is not), else the one beside the program when that exists, else where the
    // first save will go.
    QString readPath() const;
    // The per-user file when it exists; else the one beside the program when its folder takes a
    // save (a save writes a temporary file beside the old one); else the per-user file.
    QString savePath() const;
    // Whether path is the per-user file, as opposed to a file beside the program.
    bool isPerUser(const QString &path) const;

    // The mark beside a partner file that says the clerk emptied the list in it.
    static QString emptiedMarkFor(const QString &path);
    // After a save of entryCount entries to path: marks an emptied per-user file, and removes the
    // mark once the file holds a partner again. A mark that cannot be written is left out: the file
    // then gives way to the one beside the program as before.
    void noteSaved(const QString &path, qsizetype entryCount) const;

private:
    QString m_besideProgram, m_perUser;
};
