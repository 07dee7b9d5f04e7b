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
    QString messageId;    // GrpHdr/MsgId, UNyyyymmddnnnn (nextMessageId)
    QDateTime created;    // GrpHdr/CreDtTm
    QDate today;          // the execution date of an order that gives none
};

// The options of a file made now: the message id of today's next file, the time and the date
// from clock.
Options optionsNow(const Clock &clock, const SettingsStore &settings, Schema schema = Schema::Croatian,
                   bool instant = false);

// UNyyyymmddnnnn for the day's next file: the day's counter is kept in the settings (keys
// "BankFileDay" and "BankFileCount") and starts at 1 each day. Throws UserError past 9999 files a day.
QString nextMessageId(const SettingsStore &settings, QDate day);

// The file name the guide suggests for a message id: UN.yyyymmdd.nnnn.xml.
QString suggestedFileName(const QString &messageId);

} // namespace Pain001
