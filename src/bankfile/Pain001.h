#pragma once

#include "bankfile/BankOrders.h"
#include "model/Hub3aFields.h"
#include "model/Hub3aRules.h"

#include <QDate>
#include <QDateTime>
#include <QIODevice>
#include <QList>
#include <QString>

#include <optional>

class Clock;
class SettingsStore;

// The pain.001.001.09 file ("zbrojni nalog") that Croatian internet banking takes: the orders of
// HUB-3A slips grouped by payer IBAN, execution date and urgency, under the Croatian schema.
namespace Pain001 {

// The XML namespace of the file: the Croatian schemas (scthr, or sctinsthr for instant orders),
// or the plain ISO one for a bank that asks for it.
enum class Schema { Croatian, Iso };

QString namespaceUri(Schema schema, bool instant);

struct Options
{
    Schema schema = Schema::Croatian;
    bool instant = false;     // every order instant (SCT Inst): LclInstrm INST, a file of its own
    QString messageId;        // GrpHdr/MsgId, UNyyyymmddnnnn (nextMessageId)
    QDateTime created;        // GrpHdr/CreDtTm
    QDate today;              // the execution date of an order that gives none
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

// An order that cannot go into the file, by its row and field (nothing for the order as a whole).
struct OrderProblem
{
    int row = 0;
    std::optional<Hub3aField> field;
    QString message;

    bool operator==(const OrderProblem &) const = default;
};

// Everything that keeps one slip from being an order of a bank file: the slip's own payment
// checks (IBANs, references under their models, required fields), a present Croatian payer IBAN
// and payer name, an amount of 0,01 to 999.999.999,99, a description, a four-letter purpose code,
// an execution date not in the past, and every text in the guide's characters (BankText).
QList<Hub3aProblem> orderProblems(const Hub3aRecord &record, const Options &options);

// The problems of every order (orderProblems), each by row and field, its message naming the field
// ("Opis plaćanja: ne smije počinjati znakom '-'"), as write() reports them.
QList<OrderProblem> check(const BankOrders &orders, const Options &options);

// What writing made: the orders written, their sum, and the orders refused with why.
struct Result
{
    int written = 0;
    qint64 totalCents = 0;
    int groups = 0;
    QList<OrderProblem> refused;
};

// Checks every order and writes those that pass to device, streamed: the groups and their sums
// are found first, then the XML is written group by group. Writes nothing when no order passes.
Result write(QIODevice &device, const BankOrders &orders, const Options &options);

// write() into path through the program's atomic save: the file appears whole or not at all.
// No file is made when no order passes. Throws UserError when the file cannot be written.
Result save(const QString &path, const BankOrders &orders, const Options &options);

} // namespace Pain001
