#pragma once

#include "model/Hub3aRecord.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// Where a slip read from a file came from: a barcode on a page, or an e-invoice's XML.
enum class ScanSource { Barcode, EInvoice };

// A slip read from a barcode on a page of a file (page from 1), or from an e-invoice (page 0).
// verdict is empty when the slip passes every rule and payment check, otherwise what it fails, one
// reason a line.
struct ScannedSlip
{
    QString file;
    int page = 0;
    Hub3aRecord record;
    QString verdict;
    ScanSource source = ScanSource::Barcode;
    // An e-invoice's: the seller and number that make it the same invoice, its due date (today's
    // execution date once it has passed) and what the clerk should know besides the verdict.
    QString identity = {};
    QDate due = {};
    bool overdue = false;
    QStringList remarks = {};
    // The e-invoice and the barcode on its picture disagree: neither is paid until the clerk
    // chooses one and pays it from the tab.
    bool held = false;
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
