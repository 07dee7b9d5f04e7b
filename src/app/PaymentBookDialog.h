#pragma once

#include "book/BookQuery.h"

#include <QDialog>

#include <functional>
#include <memory>

class BookTableModel;
class QTimer;

namespace Ui {
class KnjigaPlacanja;
}

// What the book's window can do with its payments.
struct PaymentBookActions
{
    std::function<bool(const BookEntry &)> openInTab;  // "Otvori u kartici", one row; true when opened
    std::function<void(const QList<qint64> &)> resend; // "Pošalji ponovno", the refused rows chosen
    std::function<void(const BookFilter &)> saveTable; // "Spremi tablicu", what the filter shows
};

// "Datoteka › Knjiga plaćanja": the book's payments, newest first, filtered by state, days,
// recipient and any text, with their count and sum below and the chosen payment's every field and
// state beside. "Pošalji ponovno" is there only when the window has a way to send again. An action's
// error is shown as a handler's and the window stays open.
class PaymentBookDialog : public QDialog
{
    Q_OBJECT

public:
    PaymentBookDialog(const PaymentBook &book, PaymentBookActions actions, QWidget *parent = nullptr);
    ~PaymentBookDialog() override;

    BookTableModel &model() const { return *m_model; }
    // The filter as the controls set it.
    BookFilter filter() const;
    // Reads the book again with the controls' filter (done a moment after each change).
    void applyFilter();

    // "Ukupno naloga: 3, iznos 1.234,56 EUR".
    static QString totalsText(const BookTotals &totals);
    // Every field of a payment, where it came from, how it left and each of its states.
    static QString detailText(const BookEntry &entry, const QList<BookEvent> &events);

private:
    QList<BookEntry> chosen() const;
    void showChosen();

    const PaymentBook &m_book;
    PaymentBookActions m_actions;
    std::unique_ptr<Ui::KnjigaPlacanja> m_ui;
    BookTableModel *m_model = nullptr;
    QTimer *m_filterDelay = nullptr;
};
