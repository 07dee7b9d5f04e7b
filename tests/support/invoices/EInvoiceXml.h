#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QXmlStreamWriter>

// E-invoices written for the tests, UBL or CII, with the payment fields a test sets and the
// namespace prefixes it chooses.
namespace EInvoiceXml {

using namespace Qt::StringLiterals;

struct Means
{
    QString code = u"30"_s;
    QString iban = u"HR1210010051863000160"_s;
    QString reference = u"HR01 102-3057-89016"_s;
    QString note;
};

struct Invoice
{
    bool creditNote = false;
    QString number = u"2026-17"_s;
    QString typeCode = u"380"_s;
    QString due = u"2026-12-20"_s; // ISO; CII writes it as YYYYMMDD
    QString currency = u"EUR"_s;
    QString sellerName = u"Tvrtka d.o.o."_s;
    QString sellerVat = u"HR12345678903"_s;
    QString street = u"Ilica 1"_s;
    QString city = u"Zagreb"_s;
    QString postCode = u"10000"_s;
    QString country = u"HR"_s;
    QString payee;
    QString amount = u"250.33"_s;
    QList<Means> means{Means()};
    QList<QByteArray> pictures; // PDFs carried inside a UBL invoice
    QString cbc = u"cbc"_s;     // the prefixes the sender chose
    QString cac = u"cac"_s;
    QString ram = u"ram"_s;
};

inline const QString cacUri = u"urn:oasis:names:specification:ubl:schema:xsd:CommonAggregateComponents-2"_s;
inline const QString cbcUri = u"urn:oasis:names:specification:ubl:schema:xsd:CommonBasicComponents-2"_s;
inline const QString ramUri = u"urn:un:unece:uncefact:data:standard:ReusableAggregateBusinessInformationEntity:100"_s;
inline const QString udtUri = u"urn:un:unece:uncefact:data:standard:UnqualifiedDataType:100"_s;
inline const QString rsmUri = u"urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100"_s;

inline QByteArray ubl(const Invoice &invoice)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    const QString root = invoice.creditNote ? u"CreditNote"_s : u"Invoice"_s;
    xml.writeStartDocument();
    xml.writeDefaultNamespace(u"urn:oasis:names:specification:ubl:schema:xsd:%1-2"_s.arg(root));
    xml.writeNamespace(cacUri, invoice.cac);
    xml.writeNamespace(cbcUri, invoice.cbc);
    xml.writeStartElement(root);
    const auto text = [&xml](const QString &uri, const QString &name, const QString &value) {
        if (!value.isEmpty())
            xml.writeTextElement(uri, name, value);
    };
    const auto start = [&xml](const QString &name) { xml.writeStartElement(cacUri, name); };
    text(cbcUri, u"ID"_s, invoice.number);
    text(cbcUri, u"IssueDate"_s, u"2026-12-01"_s);
    if (!invoice.creditNote)
        text(cbcUri, u"DueDate"_s, invoice.due);
    text(cbcUri, invoice.creditNote ? u"CreditNoteTypeCode"_s : u"InvoiceTypeCode"_s, invoice.typeCode);
    text(cbcUri, u"DocumentCurrencyCode"_s, invoice.currency);
    for (const QByteArray &picture : invoice.pictures) {
        start(u"AdditionalDocumentReference"_s);
        text(cbcUri, u"ID"_s, u"slika"_s);
        start(u"Attachment"_s);
        xml.writeStartElement(cbcUri, u"EmbeddedDocumentBinaryObject"_s);
        xml.writeAttribute(u"mimeCode"_s, u"application/pdf"_s);
        xml.writeAttribute(u"filename"_s, u"racun.pdf"_s);
        xml.writeCharacters(QString::fromLatin1(picture.toBase64()));
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndElement();
    }
    start(u"AccountingSupplierParty"_s);
    start(u"Party"_s);
    start(u"PartyName"_s);
    text(cbcUri, u"Name"_s, u"Trgovački naziv"_s);
    xml.writeEndElement();
    start(u"PostalAddress"_s);
    text(cbcUri, u"StreetName"_s, invoice.street);
    text(cbcUri, u"CityName"_s, invoice.city);
    text(cbcUri, u"PostalZone"_s, invoice.postCode);
    start(u"Country"_s);
    text(cbcUri, u"IdentificationCode"_s, invoice.country);
    xml.writeEndElement();
    xml.writeEndElement();
    start(u"PartyTaxScheme"_s);
    text(cbcUri, u"CompanyID"_s, invoice.sellerVat);
    xml.writeEndElement();
    start(u"PartyLegalEntity"_s);
    text(cbcUri, u"RegistrationName"_s, invoice.sellerName);
    xml.writeEndElement();
    xml.writeEndElement(); // Party
    xml.writeEndElement(); // AccountingSupplierParty
    if (!invoice.payee.isEmpty()) {
        start(u"PayeeParty"_s);
        start(u"PartyName"_s);
        text(cbcUri, u"Name"_s, invoice.payee);
        xml.writeEndElement();
        xml.writeEndElement();
    }
    for (const Means &means : invoice.means) {
        start(u"PaymentMeans"_s);
        text(cbcUri, u"PaymentMeansCode"_s, means.code);
        if (invoice.creditNote)
            text(cbcUri, u"PaymentDueDate"_s, invoice.due);
        text(cbcUri, u"InstructionNote"_s, means.note);
        text(cbcUri, u"PaymentID"_s, means.reference);
        if (!means.iban.isEmpty()) {
            start(u"PayeeFinancialAccount"_s);
            text(cbcUri, u"ID"_s, means.iban);
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    start(u"LegalMonetaryTotal"_s);
    xml.writeStartElement(cbcUri, u"PayableAmount"_s);
    xml.writeAttribute(u"currencyID"_s, invoice.currency);
    xml.writeCharacters(invoice.amount);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement(); // root
    xml.writeEndDocument();
    return bytes;
}

inline QByteArray cii(const Invoice &invoice)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument();
    xml.writeNamespace(rsmUri, u"rsm"_s);
    xml.writeNamespace(ramUri, invoice.ram);
    xml.writeNamespace(udtUri, u"udt"_s);
    const auto text = [&xml](const QString &name, const QString &value) {
        if (!value.isEmpty())
            xml.writeTextElement(ramUri, name, value);
    };
    const auto start = [&xml](const QString &name) { xml.writeStartElement(ramUri, name); };
    const auto date = [&](const QString &name, const QString &iso) {
        start(name);
        xml.writeStartElement(udtUri, u"DateTimeString"_s);
        xml.writeAttribute(u"format"_s, u"102"_s);
        xml.writeCharacters(QString(iso).remove(u'-'));
        xml.writeEndElement();
        xml.writeEndElement();
    };
    xml.writeStartElement(rsmUri, u"CrossIndustryInvoice"_s);
    xml.writeStartElement(rsmUri, u"ExchangedDocument"_s);
    text(u"ID"_s, invoice.number);
    text(u"TypeCode"_s, invoice.creditNote ? u"381"_s : invoice.typeCode);
    date(u"IssueDateTime"_s, u"2026-12-01"_s);
    xml.writeEndElement();
    xml.writeStartElement(rsmUri, u"SupplyChainTradeTransaction"_s);
    start(u"ApplicableHeaderTradeAgreement"_s);
    start(u"SellerTradeParty"_s);
    text(u"Name"_s, invoice.sellerName);
    start(u"PostalTradeAddress"_s);
    text(u"PostcodeCode"_s, invoice.postCode);
    text(u"LineOne"_s, invoice.street);
    text(u"CityName"_s, invoice.city);
    text(u"CountryID"_s, invoice.country);
    xml.writeEndElement();
    start(u"SpecifiedTaxRegistration"_s);
    xml.writeStartElement(ramUri, u"ID"_s);
    xml.writeAttribute(u"schemeID"_s, u"VA"_s);
    xml.writeCharacters(invoice.sellerVat);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement(); // SellerTradeParty
    xml.writeEndElement(); // agreement
    start(u"ApplicableHeaderTradeSettlement"_s);
    text(u"PaymentReference"_s, invoice.means.isEmpty() ? QString() : invoice.means.first().reference);
    text(u"InvoiceCurrencyCode"_s, invoice.currency);
    if (!invoice.payee.isEmpty()) {
        start(u"PayeeTradeParty"_s);
        text(u"Name"_s, invoice.payee);
        xml.writeEndElement();
    }
    for (const Means &means : invoice.means) {
        start(u"SpecifiedTradeSettlementPaymentMeans"_s);
        text(u"TypeCode"_s, means.code);
        if (!means.iban.isEmpty()) {
            start(u"PayeePartyCreditorFinancialAccount"_s);
            text(u"IBANID"_s, means.iban);
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    start(u"SpecifiedTradePaymentTerms"_s);
    date(u"DueDateDateTime"_s, invoice.due);
    xml.writeEndElement();
    start(u"SpecifiedTradeSettlementHeaderMonetarySummation"_s);
    text(u"DuePayableAmount"_s, invoice.amount);
    xml.writeEndElement();
    xml.writeEndElement(); // settlement
    xml.writeEndElement(); // transaction
    xml.writeEndElement(); // root
    xml.writeEndDocument();
    return bytes;
}

} // namespace EInvoiceXml
