#pragma once

#include "model/Hub3aRecord.h"

#include <QDateTime>
#include <QString>

#include <optional>

// Where a payment came from.
enum class BookSource { Typed, SlipFile, Table, Invoice };
// How it left the program.
enum class BookWay { Printed, Pdf, BankFile };
// What became of it; each change is a new event, the last one holds. Received: a slip of the clerk's
// own that someone paid.
enum class BookState { Prepared, Sent, Refused, Accepted, Booked, Received };

QString bookSourceName(BookSource source);
QString bookWayName(BookWay way);
QString bookStateName(BookState state);
// The kind a stored name stands for; nothing for an unknown name.
std::optional<BookSource> bookSourceNamed(const QString &name);
std::optional<BookWay> bookWayNamed(const QString &name);
std::optional<BookState> bookStateNamed(const QString &name);

// Where a payment came from: typed on the tab, a slip file, a table's row or an invoice's page.
struct BookOrigin
{
    BookSource source = BookSource::Typed;
    QString file;  // the slip file, the table or the invoice
    int place = 0; // the table's row or the invoice's page (from 1); 0 when none
    QString invoice = {}; // an e-invoice's seller and number, which make it the same invoice in any file
};

// One payment as it left the program.
struct BookPayment
{
    Hub3aRecord record; // what it pays, every field as it was sent
    bool instant = false;
    BookOrigin origin;
    BookWay way = BookWay::Printed;
    QString wayFile;   // the PDF or the bank file; the printer for a printed slip
    QString messageId; // a bank file's MsgId, PmtInfId, InstrId and EndToEndId
    QString paymentInfoId;
    QString instructionId;
    QString endToEndId;
};

// A payment read back from the book with its number, when it left and its state now.
struct BookEntry
{
    qint64 id = 0;
    QDateTime left;
    BookPayment payment;
    BookState state = BookState::Prepared;
    QString reason; // the reason of a refusal
};
