#include "einvoice/EInvoiceReader.h"

#include "bankfile/BoundedXmlWalk.h"
#include "model/UserError.h"

#include <QBuffer>
#include <QStringList>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace EInvoiceReader {

namespace {

const QString ublInvoice = u"urn:oasis:names:specification:ubl:schema:xsd:Invoice-2"_s;
const QString ublCreditNote = u"urn:oasis:names:specification:ubl:schema:xsd:CreditNote-2"_s;
const QString ciiInvoice = u"urn:un:unece:uncefact:data:standard:CrossIndustryInvoice:100"_s;

// The prefix an element is known by here, whatever the sender called its namespace; "?" for a
// namespace that holds nothing read.
QString knownPrefix(QStringView uri)
{
    static const QList<std::pair<QString, QString>> prefixes{
        {u"urn:oasis:names:specification:ubl:schema:xsd:CommonAggregateComponents-2"_s, u"cac"_s},
        {u"urn:oasis:names:specification:ubl:schema:xsd:CommonBasicComponents-2"_s, u"cbc"_s},
        {u"urn:un:unece:uncefact:data:standard:ReusableAggregateBusinessInformationEntity:100"_s, u"ram"_s},
        {u"urn:un:unece:uncefact:data:standard:UnqualifiedDataType:100"_s, u"udt"_s},
        {ciiInvoice, u"rsm"_s},
    };
    for (const auto &[known, prefix] : prefixes) {
        if (uri == known)
            return prefix;
    }
    return u"?"_s;
}

constexpr char ublSeller[] = "cac:AccountingSupplierParty/cac:Party/";
constexpr char ciiSeller[] =
    "rsm:SupplyChainTradeTransaction/ram:ApplicableHeaderTradeAgreement/ram:SellerTradeParty/";
constexpr char ciiSettlement[] = "rsm:SupplyChainTradeTransaction/ram:ApplicableHeaderTradeSettlement/";

// The texts of the invoice by their path from below the root, in either syntax.
const QList<std::pair<QString, QString EInvoice::*>> &invoicePlaces()
{
    static const auto places = [] {
        const QString ubl = QString::fromLatin1(ublSeller), seller = QString::fromLatin1(ciiSeller),
                      settlement = QString::fromLatin1(ciiSettlement);
        return QList<std::pair<QString, QString EInvoice::*>>{
            {u"cbc:ID"_s, &EInvoice::number},
            {u"cbc:InvoiceTypeCode"_s, &EInvoice::typeCode},
            {u"cbc:CreditNoteTypeCode"_s, &EInvoice::typeCode},
            {u"cbc:DocumentCurrencyCode"_s, &EInvoice::currency},
            {ubl + u"cac:PartyLegalEntity/cbc:RegistrationName"_s, &EInvoice::sellerName},
            {ubl + u"cac:PartyTaxScheme/cbc:CompanyID"_s, &EInvoice::sellerVat},
            {ubl + u"cac:PostalAddress/cbc:StreetName"_s, &EInvoice::sellerStreet},
            {ubl + u"cac:PostalAddress/cbc:CityName"_s, &EInvoice::sellerCity},
            {ubl + u"cac:PostalAddress/cbc:PostalZone"_s, &EInvoice::sellerPostCode},
            {ubl + u"cac:PostalAddress/cac:Country/cbc:IdentificationCode"_s, &EInvoice::sellerCountry},
            {u"cac:PayeeParty/cac:PartyName/cbc:Name"_s, &EInvoice::payeeName},
            {u"cac:LegalMonetaryTotal/cbc:PayableAmount"_s, &EInvoice::amountDue},
            {u"rsm:ExchangedDocument/ram:ID"_s, &EInvoice::number},
            {u"rsm:ExchangedDocument/ram:TypeCode"_s, &EInvoice::typeCode},
            {seller + u"ram:Name"_s, &EInvoice::sellerName},
            {seller + u"ram:PostalTradeAddress/ram:LineOne"_s, &EInvoice::sellerStreet},
            {seller + u"ram:PostalTradeAddress/ram:CityName"_s, &EInvoice::sellerCity},
            {seller + u"ram:PostalTradeAddress/ram:PostcodeCode"_s, &EInvoice::sellerPostCode},
            {seller + u"ram:PostalTradeAddress/ram:CountryID"_s, &EInvoice::sellerCountry},
            {settlement + u"ram:InvoiceCurrencyCode"_s, &EInvoice::currency},
            {settlement + u"ram:PayeeTradeParty/ram:Name"_s, &EInvoice::payeeName},
            {settlement + u"ram:SpecifiedTradeSettlementHeaderMonetarySummation/ram:DuePayableAmount"_s,
             &EInvoice::amountDue},
        };
    }();
    return places;
}

// The texts of one payment means, by their path from the means element.
const QList<std::pair<QString, QString InvoicePaymentMeans::*>> &meansPlaces()
{
    static const QList<std::pair<QString, QString InvoicePaymentMeans::*>> places{
        {u"cbc:PaymentMeansCode"_s, &InvoicePaymentMeans::code},
        {u"cbc:PaymentID"_s, &InvoicePaymentMeans::reference},
        {u"cac:PayeeFinancialAccount/cbc:ID"_s, &InvoicePaymentMeans::iban},
        {u"cbc:InstructionNote"_s, &InvoicePaymentMeans::note},
        {u"ram:TypeCode"_s, &InvoicePaymentMeans::code},
        {u"ram:PayeePartyCreditorFinancialAccount/ram:IBANID"_s, &InvoicePaymentMeans::iban},
    };
    return places;
}

const QString ublMeans = u"cac:PaymentMeans"_s;
const QString ciiMeans = QString::fromLatin1(ciiSettlement) + u"ram:SpecifiedTradeSettlementPaymentMeans"_s;
const QString picturePath =
    u"cac:AdditionalDocumentReference/cac:Attachment/cbc:EmbeddedDocumentBinaryObject"_s;

// "2026-01-31" (UBL) or "20260131" (CII's format 102).
QDate invoiceDate(const QString &text)
{
    const QDate iso = QDate::fromString(text, Qt::ISODate);
    return iso.isValid() ? iso : QDate::fromString(text, u"yyyyMMdd"_s);
}

class Reader : private BoundedXmlWalk
{
public:
    explicit Reader(BoundedXmlInput &input) : BoundedXmlWalk(input, u"e-račun"_s) {}

    EInvoice read()
    {
        if (m_input.size() > largestInvoice)
            throw notTheDocument(u"veći je od %1 MB"_s.arg(largestInvoice >> 20));
        if (m_input.size() == 0)
            throw notTheDocument(u"datoteka je prazna"_s);
        readRoot();
        walk();
        m_invoice.issued = invoiceDate(m_issued);
        m_invoice.due = invoiceDate(m_due);
        // CII gives the reference once for every means.
        for (InvoicePaymentMeans &means : m_invoice.means) {
            if (means.reference.isEmpty())
                means.reference = m_headerReference;
        }
        if (m_invoice.sellerName.isEmpty())
            m_invoice.sellerName = m_tradingName;
        return m_invoice;
    }

private:
    void readRoot()
    {
        while (!m_xml.atEnd() && !m_input.stopped()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            refuseDtd(token);
            if (token != QXmlStreamReader::StartElement)
                continue;
            const QStringView uri = m_xml.namespaceUri(), name = m_xml.name();
            if (uri == ublInvoice && name == "Invoice"_L1)
                m_invoice.syntax = EInvoice::Syntax::UblInvoice;
            else if (uri == ublCreditNote && name == "CreditNote"_L1)
                m_invoice.syntax = EInvoice::Syntax::UblCreditNote;
            else if (uri == ciiInvoice && name == "CrossIndustryInvoice"_L1)
                m_invoice.syntax = EInvoice::Syntax::Cii;
            else
                throw notTheDocument(u"korijen je %1 (%2)"_s.arg(name, uri));
            return;
        }
        throw notTheDocument(m_xml.hasError() ? m_xml.errorString() : u"nema korijena"_s);
    }

    QString path() const { return m_path.join(u'/'); }

    void enter() override
    {
        refuseDeeper(m_path.size(), deepestNesting);
        m_path.append(knownPrefix(m_xml.namespaceUri()) + u':' + m_xml.name().toString());
        m_text.clear();
        m_picture.clear();
        const QString here = path();
        if (here == ublMeans || here == ciiMeans) {
            if (m_invoice.means.size() >= mostMeans)
                throw notTheDocument(u"više od %1 načina plaćanja"_s.arg(mostMeans));
            m_invoice.means.append(InvoicePaymentMeans());
            m_meansDepth = m_path.size();
        } else if (here == picturePath) {
            m_inPicture = m_xml.attributes().value("mimeCode"_L1) == "application/pdf"_L1;
        } else if (here == "cac:LegalMonetaryTotal/cbc:PayableAmount"_L1 ||
                   here.endsWith("MonetarySummation/ram:DuePayableAmount"_L1)) {
            m_invoice.amountCurrency = m_xml.attributes().value("currencyID"_L1).left(3).toString();
        } else if (here == QString::fromLatin1(ciiSeller) + u"ram:SpecifiedTaxRegistration/ram:ID"_s) {
            m_vatScheme = m_xml.attributes().value("schemeID"_L1) == "VA"_L1;
        }
    }

    void takeText() override
    {
        if (m_inPicture) {
            // Base64 past the limit is not kept: the picture is left out, the invoice still read.
            if (m_picture.size() + m_xml.text().size() <= largestPicture)
                m_picture += m_xml.text().toLatin1();
            else
                m_pictureTooLarge = true;
        } else {
            m_text += m_xml.text().left(longestText - m_text.size());
        }
    }

    void leave() override
    {
        if (m_path.isEmpty())
            return;
        const QString here = path();
        const QString text = m_text.trimmed();
        m_text.clear();
        if (m_inPicture) {
            if (!m_pictureTooLarge && m_invoice.pictures.size() < mostPictures)
                m_invoice.pictures.append(QByteArray::fromBase64(m_picture));
            m_inPicture = m_pictureTooLarge = false;
            m_picture.clear();
        }
        take(here, text);
        m_path.removeLast();
        if (m_path.size() < m_meansDepth)
            m_meansDepth = 0;
    }

    void take(const QString &here, const QString &text)
    {
        if (m_meansDepth > 0 && m_path.size() > m_meansDepth) {
            const QString inMeans = m_path.mid(m_meansDepth).join(u'/');
            InvoicePaymentMeans &means = m_invoice.means.last();
            for (const auto &[place, field] : meansPlaces()) {
                if (inMeans == place && (means.*field).isEmpty())
                    means.*field = text;
            }
            if (inMeans == "cbc:PaymentDueDate"_L1)
                means.due = invoiceDate(text);
            return;
        }
        for (const auto &[place, field] : invoicePlaces()) {
            if (here == place && (m_invoice.*field).isEmpty())
                m_invoice.*field = text;
        }
        if (here == "cbc:IssueDate"_L1 ||
            here == "rsm:ExchangedDocument/ram:IssueDateTime/udt:DateTimeString"_L1)
            m_issued = text;
        else if (here == "cbc:DueDate"_L1 ||
                 here == QString::fromLatin1(ciiSettlement) +
                             u"ram:SpecifiedTradePaymentTerms/ram:DueDateDateTime/udt:DateTimeString"_s)
            m_due = m_due.isEmpty() ? text : m_due;
        else if (here == QString::fromLatin1(ciiSettlement) + u"ram:PaymentReference"_s)
            m_headerReference = text;
        else if (here == QString::fromLatin1(ublSeller) + u"cac:PartyName/cbc:Name"_s &&
                 m_tradingName.isEmpty())
            m_tradingName = text;
        else if (here == QString::fromLatin1(ciiSeller) + u"ram:SpecifiedTaxRegistration/ram:ID"_s &&
                 m_vatScheme && m_invoice.sellerVat.isEmpty())
            m_invoice.sellerVat = text;
    }

    QStringList m_path; // from below the root, each element as prefix:name
    EInvoice m_invoice;
    int m_meansDepth = 0; // the path's length at the means being read, 0 outside one
    bool m_inPicture = false;
    bool m_pictureTooLarge = false;
    QByteArray m_picture;
    bool m_vatScheme = false;
    QString m_issued, m_due, m_headerReference, m_tradingName;
};

} // namespace

EInvoice read(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    BoundedXmlInput input(buffer, mostAttributes);
    return Reader(input).read();
}

bool looksLikeXml(const QByteArray &bytes)
{
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    return text.trimmed().startsWith('<');
}

} // namespace EInvoiceReader
