#pragma once

#include "book/BookPayment.h"

#include <QDate>

class PaymentBook;
class SettingsStore;

// A payment the book holds that a new one repeats.
struct BookRepeat
{
    qint64 id = 0;
    QDate day; // when it left
    BookWay way = BookWay::Printed;
    QString wayFile;
    QString messageId;
};

constexpr int defaultRepeatDays = 60;

// The clerk's window for repeats in days (setting "BookRepeatDays"), defaultRepeatDays when it is
// not set or not a number of at least 1.
int repeatDays(const SettingsStore &settings);

// Looks in the book for the same payment: the same recipient IBAN, model and reference, and amount,
// or the same source invoice and page, that left within the window of days before today (today
// included). A payment whose last state is a refusal was not paid and is no repeat.
class RepeatCheck
{
public:
    RepeatCheck(const PaymentBook &book, QDate today, int days = defaultRepeatDays);

    // The latest such payment, or nothing.
    std::optional<BookRepeat> find(const Hub3aRecord &record, const BookOrigin &origin = {}) const;

private:
    const PaymentBook &m_book;
    QString m_since;
};

// "Ovaj nalog je već plaćen 03.12.2026. u datoteci UN.20261203.0002.xml. Ipak platiti?"
QString repeatQuestion(const BookRepeat &repeat);
// What the reports say of a row left out as a repeat: "već plaćen 03.12.2026. u datoteci ...".
QString repeatText(const BookRepeat &repeat);
