#pragma once

#include <QList>
#include <QStringList>

// An entry of the list in memory with the line of the file it was read from, or -1 for an entry
// this copy of the program added.
struct TrackedPartner
{
    QString entry;
    qsizetype readLine = -1;
};

// The list to save when another running copy saved the file after this copy read it: the file as it
// is now, in its order, with this copy's own changes applied. Entries this copy changed replace
// theirs (or follow at the end when the other copy changed or deleted them too), entries it deleted
// go, entries it added follow at the end; what the other copy added or changed stays.
QStringList mergePartnerLists(const QStringList &asRead, const QList<TrackedPartner> &own,
                              const QStringList &current);
