#pragma once

#include "bankfile/Pain002Reasons.h"
#include "model/Hub3aRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The bank's answer to a pain.001 file: a pain.002.001.10 status report (the Croatian guide of
// 2024 uses it for refused orders, status RJCT, at the level of the message, a group or an order).
namespace Pain002 {

// One refused order, or a whole group or message when the bank refused that as a whole.
struct RefusedOrder
{
    enum class Level { Message, Group, Order };
    Level level = Level::Order;
    QString paymentInfoId; // OrgnlPmtInfId
    QString instrId;       // OrgnlInstrId
    QString endToEndId;    // OrgnlEndToEndId
    QString amount;        // OrgnlTxRef/Amt/InstdAmt as the report writes it ("1234.56")
    QString currency;
    QString recipient; // OrgnlTxRef/Cdtr name
    QString iban;      // OrgnlTxRef/CdtrAcct IBAN
    QString reason;    // the reason codes, "AC01" ("AC01,NARR" for several)
    QString message;   // in Croatian: what each code means, NARR with the bank's text
    Hub3aRecord slip;  // the order as a HUB-3A slip, from what the report gives, to correct and send again
    QStringList notes; // what the slip could not take as the report gives it, and what it took instead
};

// A part of the file the report accepts (ACTC, ACCP, ACSP, ACSC, ACWC, or PART for what it does not
// refuse): the whole message, a group or an order, by the ids the file gave it.
struct AcceptedPart
{
    RefusedOrder::Level level = RefusedOrder::Level::Order;
    QString paymentInfoId;
    QString instrId;
    QString endToEndId;
};

struct Report
{
    QString messageId;         // GrpHdr/MsgId of the report
    QString originalMessageId; // OrgnlMsgId: the MsgId of our pain.001
    QString groupStatus;       // GrpSts, empty when the report gives none
    int orderCount = 0;        // TxInfAndSts read, whatever their status
    QList<RefusedOrder> refused;
    QList<AcceptedPart> accepted;
};

// The largest report read (bytes), the deepest nesting, the most attributes of one element and the
// most refused orders kept.
constexpr qsizetype largestReport = 64 * 1024 * 1024;
constexpr int deepestNesting = 40;
constexpr int mostAttributes = 64;
constexpr int mostRefused = 200'000;

// Reads a report. Throws UserError in Croatian for bytes that are not a pain.002 report (another
// document, broken XML, a DTD, too large, too deep or an element with too many attributes).
Report read(const QByteArray &bytes);

// What the caller learns while a report file is read and how it stops the reading.
struct ReadHooks
{
    std::function<void(qint64 bytesRead, qint64 size)> progress; // now and then
    std::function<bool()> cancelRequested;                       // asked now and then
};

// Reads the report at path as read() reads bytes, a piece at a time: the file's size is checked
// before anything is read, and anything but a regular file is refused (TextFile::checkReadable's
// texts). Nothing when cancelRequested said so.
std::optional<Report> readFile(const QString &path, const ReadHooks &hooks = {});

} // namespace Pain002
