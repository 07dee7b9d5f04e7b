#pragma once

#include "book/PaymentBook.h"

#include <QTemporaryDir>

// The payments book the book's benchmarks measure on.
namespace BenchBook {

constexpr int bookSize = 100'000;

// The i-th payment: each to another recipient and reference, with its own amount.
inline Hub3aRecord payment(int i)
{
    using F = Hub3aField;
    Hub3aRecord record;
    const auto set = [&](F field, const QString &text) { record.texts[static_cast<size_t>(field)] = text; };
    set(F::PayerName, QStringLiteral("Zorvat d.o.o."));
    set(F::PayerStreet, QStringLiteral("Ulica kneza Branimira 29"));
    set(F::PayerPlace, QStringLiteral("10000 Zagreb"));
    set(F::PayerIban, QStringLiteral("HR7023400091510946338"));
    set(F::RecipientName, QStringLiteral("Član %1 Šimić").arg(i));
    set(F::RecipientIban, QStringLiteral("HR1210010051863000160"));
    set(F::RecipientModel, QStringLiteral("HR00"));
    set(F::RecipientReference, QStringLiteral("2026-%1").arg(i));
    set(F::PurposeCode, QStringLiteral("OTHR"));
    set(F::Description, QStringLiteral("Povrat za %1. mjesec 2026.").arg(i % 12 + 1));
    set(F::Amount, hub3aAmountText(1000 + i * 37));
    return record;
}

// A book of 100,000 payments of the last 90 days, the first the newest, numbered from 1.
struct FullBook
{
    FullBook() : book(dir.filePath(QStringLiteral("payments.db")))
    {
        const QDateTime now = QDateTime::currentDateTime();
        PaymentBook::Transaction transaction(book);
        BookPayment entry;
        entry.way = BookWay::BankFile;
        entry.wayFile = QStringLiteral("UN.20261208.0001.xml");
        for (int i = 0; i < bookSize; ++i) {
            entry.record = payment(i);
            book.record(transaction, entry, now.addSecs(-static_cast<qint64>(i) * 77), BookState::Prepared);
        }
        transaction.commit();
    }
    QTemporaryDir dir;
    PaymentBook book;
};

// Made once for every benchmark of a program.
inline FullBook &fullBook()
{
    static FullBook made;
    return made;
}

} // namespace BenchBook
