#pragma once

#include "model/Hub3aRecord.h"

#include <QList>
#include <QString>

// A slip read from a barcode on a page of a file (page from 1). verdict is empty when the slip passes
// every rule and payment check, otherwise what it fails, one reason a line.
struct ScannedSlip
{
    QString file;
    int page = 0;
    Hub3aRecord record;
    QString verdict;
};

// A file or a page (page 0: the whole file) that gave no slip, and why.
struct ScanMiss
{
    QString file;
    int page = 0;
    QString message;
};

// What a file gave. unreadable is true when the file could not be opened as a PDF or an image.
struct FileScan
{
    QList<ScannedSlip> slips;
    QList<ScanMiss> misses;
    bool unreadable = false;
};
