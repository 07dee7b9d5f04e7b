#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

class Clock;
class SettingsStore;

namespace Pain001 {

// The XML namespace of the file: the Croatian schemas (scthr, or sctinsthr for instant orders),
// or the plain ISO one for a bank that asks for it.
enum class Schema { Croatian, Iso };

QString namespaceUri(Schema schema, bool instant);

struct Options
{
    Schema schema = Schema::Croatian;
    bool instant = false; // every order instant (SCT Inst): LclInstrm INST, a file of its own
    QString messageId;    // GrpHdr/MsgId, UNyyyymmddnnnn, taken from the payments book
    QDateTime created;    // GrpHdr/CreDtTm
    QDate today;          // the execution date of an order that gives none
};

// The options of a file made now: the time and the date from clock; the message id is left to
// the payments book, which gives it as the file is written.
Options optionsNow(const Clock &clock, Schema schema = Schema::Croatian, bool instant = false);

// How many files of the day the settings counted (keys "BankFileDay" and "BankFileCount") before
// the payments book gave the ids: the book's ids of that day go above them.
int settingsMessageCount(const SettingsStore &settings, QDate day);

// The file name the guide suggests for a message id: UN.yyyymmdd.nnnn.xml.
QString suggestedFileName(const QString &messageId);

} // namespace Pain001
