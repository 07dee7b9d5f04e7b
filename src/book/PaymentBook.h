#pragma once

#include "book/BookPayment.h"
#include "model/SqliteDatabase.h"

#include <QDate>
#include <QList>
#include <QString>

#include <chrono>

// The payments book: an SQLite database per user that remembers every payment that left the
// program, so none is paid twice or lost. Rows are only ever added: a payment's state changes are
// events appended beside it, and the database itself refuses to change or delete a row. Several
// running copies share it (WAL, a busy wait); a write is one transaction that a kill either
// finishes or leaves out whole.
class PaymentBook
{
public:
    static constexpr std::chrono::milliseconds defaultBusyTimeout{5000};

    // Opens the book at path, made with its folder when missing, and brings its tables up to this
    // program's version. Throws UserError "Knjiga plaćanja <path> ne može se upisati: <why>" when the
    // file cannot be written (read-only, damaged, no book, locked past the busy wait, newer version).
    explicit PaymentBook(const QString &path, std::chrono::milliseconds busyTimeout = defaultBusyTimeout);

    // $XDG_DATA_HOME/ZorvatPrint/payments.db
    static QString defaultPath();
    const QString &path() const { return m_path; }

    // One write: BEGIN IMMEDIATE, so that whatever is read inside holds until the commit; rolled back
    // unless committed. Throws the book's UserError when the book cannot be written.
    class Transaction
    {
    public:
        explicit Transaction(PaymentBook &book);
        ~Transaction();
        Transaction(const Transaction &) = delete;
        Transaction &operator=(const Transaction &) = delete;
        void commit();

    private:
        PaymentBook &m_book;
        bool m_open = false;
    };

    // The day's next bank-file message id UNyyyymmddnnnn, taken for good inside the transaction:
    // no later call (in any running copy) gives it again. counted is how many ids of the day were
    // given before the book kept them; the number goes above them. Throws UserError past 9999 a day.
    QString takeMessageId(const Transaction &transaction, QDate day, const QString &sender, int counted = 0);
    // The id takeMessageId would give now, to suggest a file name; another copy may take it first.
    QString nextMessageId(QDate day, int counted = 0) const;

    // Adds a payment that left at the given time, in its first state; gives its number.
    qint64 record(const Transaction &transaction, const BookPayment &payment, const QDateTime &left,
                  BookState state);
    // Appends a state of a payment (a refusal with the bank's reason).
    void changeState(const Transaction &transaction, qint64 id, BookState state, const QString &reason,
                     const QDateTime &at);

    // The payments that left from..to (days, both included; an invalid day is no bound), with the
    // given state now when one is given, oldest first.
    QList<BookEntry> entries(QDate from = {}, QDate to = {}, std::optional<BookState> state = {}) const;
    // The payments of a bank file, in the order they were recorded.
    QList<BookEntry> entriesOfMessage(const QString &messageId) const;
    // The payments of the given numbers, in that order; a number the book does not hold is left out.
    QList<BookEntry> entriesNumbered(const QList<qint64> &ids) const;

    // The payments a bank statement's entry may stand for, oldest first: those a bank file gave the
    // id (EndToEndId, InstrId or PmtInfId), of the amount in cents when one is given; those of an
    // amount; and those to a recipient's account (compact IBAN), with the model and reference in one
    // ("HR011234-56") when one is given.
    enum class BankId { EndToEnd, Instruction, Group };
    QList<BookEntry> entriesWithId(BankId kind, const QString &id, std::optional<qint64> cents = {}) const;
    QList<BookEntry> entriesOfAmount(qint64 cents) const;
    QList<BookEntry> entriesToAccount(const QString &iban, const QString &reference = {}) const;

    const SqliteDatabase &database() const { return m_db; }

    // Throws the book's UserError with why the last SQLite call failed.
    [[noreturn]] void refuse() const;
    [[noreturn]] void refuse(const QString &why) const;

private:
    void migrate();

    QString m_path;
    SqliteDatabase m_db;
};
