#pragma once

#include "einvoice/EInvoice.h"
#include "model/Hub3aRecord.h"

#include <QDate>
#include <QStringList>

#include <optional>

// An e-invoice's payment as a HUB-3A slip or bank order, or why there is nothing to pay.
struct InvoicePayment
{
    std::optional<Hub3aRecord> record; // nothing for an invoice that is not paid by a transfer
    QString nothingToPay;              // why not, when there is no record
    // What keeps the record from being paid as it stands, one a line: the payment checks, and every
    // text that had to change to fit its field. Empty when it can be paid.
    QString verdict;
    QStringList remarks; // what the clerk should know but that does not stop the payment
    QString identity;    // the seller (VAT number, else name) and the invoice's number
    QDate due;
    bool overdue = false; // the due date has passed: the record pays today
};

// The invoice's payment on day today: the payee, else the seller, with the seller's address; the
// IBAN of a credit transfer, a Croatian one first; the amount due in euro; the model and
// reference, an RF creditor reference or free text under HR99; the payment note, else the
// invoice's number and seller, as the description; the due date, or today once it has passed.
InvoicePayment invoicePayment(const EInvoice &invoice, QDate today);

// "HR12345678901|2026-17": what makes two invoices the same invoice.
QString invoiceIdentity(const EInvoice &invoice);

// An amount as invoices write it ("250.33", "-12.5") in cents; nothing for any other text.
std::optional<qint64> invoiceAmountCents(const QString &text);

// What differs between an invoice's slip and the slip of the barcode on the invoice's picture: the
// recipient's IBAN, the amount, the model and reference, each as "IBAN primatelja: u XML-u X, na
// bar-kodu Y". Empty when they agree.
QStringList pictureDifferences(const Hub3aRecord &invoice, const Hub3aRecord &picture);
