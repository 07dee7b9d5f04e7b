#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// One way the invoice says it may be paid (a cac:PaymentMeans or ram:SpecifiedTradeSettlementPaymentMeans).
struct InvoicePaymentMeans
{
    QString code;      // 30, 58 credit transfer; 49, 59 direct debit; 48, 54, 55 card
    QString iban;      // the payee's account as written
    QString reference; // the remittance text (model and reference, RF reference or free text)
    QString note;      // the payment's description (cbc:InstructionNote)
    QDate due;         // a credit note's due date, given with its means
};

// What an e-invoice says about its payment, as written; the mapping to a slip judges it.
struct EInvoice
{
    enum class Syntax { UblInvoice, UblCreditNote, Cii };
    Syntax syntax = Syntax::UblInvoice;
    QString number;   // the invoice's number
    QString typeCode; // 380 invoice, 381 credit note, ...
    QDate issued;
    QDate due;
    QString currency;
    QString sellerName; // the legal name, else the trading name
    QString sellerVat;
    QString sellerStreet;
    QString sellerCity;
    QString sellerPostCode;
    QString sellerCountry;
    QString payeeName;      // who is paid when it is not the seller
    QString amountDue;      // as written ("250.33", "-12.00")
    QString amountCurrency; // the amount's own currencyID, when given
    QList<InvoicePaymentMeans> means;
    QList<QByteArray> pictures; // the invoice's own PDFs carried inside it, decoded

    bool creditNote() const { return syntax == Syntax::UblCreditNote || typeCode == u"381"; }
};
