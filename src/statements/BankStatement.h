#pragma once

#include "bankfile/BoundedXmlInput.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The bank's account statements: camt.053 (the day's statement), camt.054 (single debit and credit
// notices) and camt.052 (intraday reports), any version whose element paths are those of .02 and .08.
namespace BankStatement {

// One transaction of an entry: an order of ours coming back, or a payment someone made to us.
struct Transaction
{
    QString messageId; // Refs: what the bank kept of the order's ids
    QString paymentInfoId;
    QString instrId;
    QString endToEndId;
    QString bankReference;       // Refs/AcctSvcrRef
    std::optional<qint64> cents; // the transaction's own amount, when given in euros
    QString debtorName;
    QString debtorIban;
    QString creditorName;
    QString creditorIban;
    QString reference; // RmtInf/Strd/CdtrRefInf/Ref as written ("HR011234-56", "RF18539007547034")
    QStringList unstructured; // RmtInf/Ustrd
};

// One booked movement on the account.
struct Entry
{
    qint64 cents = 0; // Amt, in currency
    QString currency;
    bool credit = false;   // CRDT: money in; DBIT: money out
    bool reversal = false; // RvslInd: an earlier movement undone
    bool booked = true;    // Sts BOOK; false for pending and other states
    QDate bookingDate;
    QDate valueDate;
    QString bankReference;      // AcctSvcrRef: the bank's own id of the entry
    QString batchMessageId;     // NtryDtls/Btch: a group of ours booked as one entry
    QString batchPaymentInfoId; //
    int batchCount = -1;        // NbOfTxs, -1 when not given
    QList<Transaction> transactions;
};

struct Statement
{
    QString id;
    QString iban; // Acct/Id/IBAN
    QString currency;
    QList<Entry> entries;
};

struct Document
{
    QString messageId; // GrpHdr/MsgId
    QString kind;      // "camt.053.001.02"
    QList<Statement> statements;
};

// The largest file read (bytes), the deepest nesting, the most attributes of one element and the
// most transactions kept (an entry without details counts as one).
constexpr qsizetype largestDocument = 64 * 1024 * 1024;
constexpr int deepestNesting = 40;
constexpr int mostAttributes = 64;
constexpr int mostTransactions = 500'000;

// Reads a statement. Throws UserError in Croatian for bytes that are not one (another document,
// broken XML, a DTD, too large, too deep or an element with too many attributes).
Document read(const QByteArray &bytes);

// Reads the statement at path as read() reads bytes, a piece at a time, refusing what
// TextFile::checkReadable refuses. Nothing when the hooks' cancelRequested said so.
std::optional<Document> readFile(const QString &path, const BoundedXmlInput::Hooks &hooks = {});

// The reference without its model's spaces, raised: "HR01 1234-56" -> "HR011234-56".
QString compactReference(const QString &reference);

} // namespace BankStatement
