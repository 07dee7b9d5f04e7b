#include "bankfile/Pain002.h"

#include "model/UserError.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace Pain002 {

namespace {

using F = Hub3aField;

constexpr qsizetype longestText = 1000;

const QHash<QString, QString> &reasonTexts()
{
    static const QHash<QString, QString> texts = {
        {u"AB05"_s, u"Isteklo je vrijeme za obradu kod banke primatelja"_s},
        {u"AB06"_s, u"Isteklo je vrijeme za obradu kod banke"_s},
        {u"AB08"_s, u"Banka primatelja nije dostupna"_s},
        {u"AC01"_s, u"Neispravan broj računa (IBAN)"_s},
        {u"AC02"_s, u"Neispravan račun platitelja"_s},
        {u"AC03"_s, u"Neispravan račun primatelja"_s},
        {u"AC04"_s, u"Račun je zatvoren"_s},
        {u"AC06"_s, u"Račun je blokiran"_s},
        {u"AC13"_s, u"Neispravna vrsta računa platitelja"_s},
        {u"AG01"_s, u"Transakcija nije dopuštena na ovom računu"_s},
        {u"AG02"_s, u"Neispravna vrsta plaćanja ili šifra operacije"_s},
        {u"AM01"_s, u"Iznos je nula"_s},
        {u"AM02"_s, u"Iznos je veći od dopuštenog"_s},
        {u"AM03"_s, u"Valuta nije dopuštena"_s},
        {u"AM04"_s, u"Nema dovoljno sredstava na računu"_s},
        {u"AM05"_s, u"Dvostruki nalog (isti nalog je već zaprimljen)"_s},
        {u"AM09"_s, u"Iznos nije ispravan"_s},
        {u"AM10"_s, u"Kontrolni zbroj nije ispravan"_s},
        {u"BE01"_s, u"Naziv primatelja ne odgovara računu"_s},
        {u"BE04"_s, u"Nedostaje ili je neispravna adresa primatelja"_s},
        {u"BE05"_s, u"Nepoznat nalogodavatelj"_s},
        {u"CH03"_s, u"Datum izvršenja je predaleko u budućnosti"_s},
        {u"CH04"_s, u"Datum izvršenja je predaleko u prošlosti"_s},
        {u"CNOR"_s, u"Banka primatelja nije dostupna u platnom sustavu"_s},
        {u"DNOR"_s, u"Banka platitelja nije dostupna u platnom sustavu"_s},
        {u"DT01"_s, u"Neispravan datum"_s},
        {u"DUPL"_s, u"Dvostruka poruka ili nalog (već zaprimljen)"_s},
        {u"ED05"_s, u"Namira nije uspjela"_s},
        {u"FF01"_s, u"Neispravan format datoteke ili naloga"_s},
        {u"FF02"_s, u"Neispravna sintaksa"_s},
        {u"FOCR"_s, u"Povrat na zahtjev za opoziv"_s},
        {u"MD07"_s, u"Vlasnik računa je preminuo"_s},
        {u"MS02"_s, u"Primatelj je odbio nalog bez navedenog razloga"_s},
        {u"MS03"_s, u"Banka je odbila nalog bez navedenog razloga"_s},
        {u"NARR"_s, u"Razlog je opisan u tekstu"_s},
        {u"RC01"_s, u"Neispravna oznaka banke (BIC)"_s},
        {u"RR01"_s, u"Nedostaje ili je neispravan račun ili identifikacija platitelja (regulatorni razlog)"_s},
        {u"RR02"_s, u"Nedostaje naziv ili adresa platitelja (regulatorni razlog)"_s},
        {u"RR03"_s, u"Nedostaje naziv ili adresa primatelja (regulatorni razlog)"_s},
        {u"RR04"_s, u"Regulatorni razlog"_s},
        {u"SL01"_s, u"Posebna usluga banke"_s},
        {u"TM01"_s, u"Nalog je zaprimljen nakon krajnjeg roka"_s},
    };
    return texts;
}

// One status reason: its code and the bank's additional texts.
struct Reason
{
    QString code;
    QStringList texts;
};

QString reasonMessage(const QList<Reason> &reasons)
{
    QStringList parts;
    for (const Reason &reason : reasons) {
        QString part = reasonText(reason.code);
        if (!reason.texts.isEmpty())
            part += u": "_s + reason.texts.join(u' ');
        parts.append(part);
    }
    return parts.join(u"; "_s);
}

QString reasonCodes(const QList<Reason> &reasons)
{
    QStringList codes;
    for (const Reason &reason : reasons)
        codes.append(reason.code);
    return codes.join(u',');
}

// "1234.56" in cents, when it has at most two decimals.
std::optional<qint64> centsOf(const QString &amount)
{
    static const QRegularExpression decimal(u"^([0-9]{1,13})(?:\\.([0-9]{1,5}))?$"_s);
    const QRegularExpressionMatch match = decimal.match(amount);
    if (!match.hasMatch())
        return std::nullopt;
    QString fraction = match.captured(2);
    while (fraction.size() > 2 && fraction.endsWith(u'0'))
        fraction.chop(1);
    if (fraction.size() > 2)
        return std::nullopt;
    return match.captured(1).toLongLong() * 100 + fraction.leftJustified(2, u'0').toInt();
}

// A model and reference written together ("HR0112345-678") as the slip's two fields.
void setReference(Hub3aRecord &slip, F modelField, F referenceField, const QString &joined)
{
    static const QRegularExpression modelAndNumber(u"^(HR[0-9]{2})([0-9-]*)$"_s);
    const QRegularExpressionMatch match = modelAndNumber.match(joined);
    if (!match.hasMatch()) {
        slip.set(referenceField, joined);
        return;
    }
    slip.set(modelField, match.captured(1));
    slip.set(referenceField, match.captured(2));
}

// Reads the report element by element; the path of element names from the report's root
// (CstmrPmtStsRpt) down tells what a text is.
class ReportReader
{
public:
    explicit ReportReader(const QByteArray &bytes) : m_xml(bytes) {}

    Report read()
    {
        readRoot();
        while (!m_xml.atEnd()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::StartElement)
                enter();
            else if (token == QXmlStreamReader::EndElement)
                leave();
            else if (token == QXmlStreamReader::Characters)
                m_text += m_xml.text().left(longestText - m_text.size());
            else if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::EntityReference)
                throw notAReport(u"ima DTD ili entitete"_s);
        }
        if (m_xml.hasError())
            throw notAReport(m_xml.errorString());
        return m_report;
    }

private:
    static UserError notAReport(const QString &why)
    {
        return UserError(u"Datoteka nije izvješće banke pain.002: %1"_s.arg(why));
    }

    void readRoot()
    {
        while (!m_xml.atEnd()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            if (token == QXmlStreamReader::DTD || token == QXmlStreamReader::EntityReference)
                throw notAReport(u"ima DTD ili entitete"_s);
            if (token == QXmlStreamReader::StartElement) {
                if (m_xml.name() != "Document"_L1 ||
                    !m_xml.namespaceUri().startsWith("urn:iso:std:iso:20022:tech:xsd:pain.002."_L1))
                    throw notAReport(u"korijen je %1 (%2)"_s.arg(m_xml.name(), m_xml.namespaceUri()));
                if (!m_xml.readNextStartElement() || m_xml.name() != "CstmrPmtStsRpt"_L1)
                    throw notAReport(m_xml.hasError() ? m_xml.errorString() : u"nema CstmrPmtStsRpt"_s);
                return;
            }
        }
        throw notAReport(m_xml.hasError() ? m_xml.errorString() : u"datoteka je prazna"_s);
    }

    QString path() const { return m_path.join(u'/'); }

    void enter()
    {
        if (m_path.size() >= deepestNesting)
            throw notAReport(u"elementi su ugniježđeni dublje od %1 razina"_s.arg(deepestNesting));
        m_path.append(m_xml.name().toString());
        m_text.clear();
        const QString here = path();
        if (here == "OrgnlPmtInfAndSts"_L1) {
            m_groupId.clear();
            m_groupStatus.clear();
            m_groupReasons.clear();
            m_groupHasOrders = false;
        } else if (here == "OrgnlPmtInfAndSts/TxInfAndSts"_L1) {
            m_order = RefusedOrder();
            m_order.paymentInfoId = m_groupId;
            m_orderStatus.clear();
            m_orderReasons.clear();
            m_groupHasOrders = true;
        } else if (m_xml.name() == "StsRsnInf"_L1) {
            reasonsHere().append(Reason());
        } else if (here == "OrgnlPmtInfAndSts/TxInfAndSts/OrgnlTxRef/Amt/InstdAmt"_L1) {
            m_order.currency = m_xml.attributes().value("Ccy"_L1).left(3).toString();
        }
    }

    // The reasons of the level the path is in.
    QList<Reason> &reasonsHere()
    {
        if (m_path.size() >= 2 && m_path[0] == "OrgnlPmtInfAndSts"_L1 && m_path[1] == "TxInfAndSts"_L1)
            return m_orderReasons;
        if (!m_path.isEmpty() && m_path[0] == "OrgnlPmtInfAndSts"_L1)
            return m_groupReasons;
        return m_messageReasons;
    }

    void leave()
    {
        if (m_path.isEmpty()) // the end of CstmrPmtStsRpt or Document
            return;
        const QString here = path();
        const QString text = m_text.trimmed();
        m_text.clear();
        if (m_xml.name() == "Cd"_L1 && here.endsWith("StsRsnInf/Rsn/Cd"_L1) && !reasonsHere().isEmpty())
            reasonsHere().last().code = text.left(4);
        else if (m_xml.name() == "Prtry"_L1 && here.endsWith("StsRsnInf/Rsn/Prtry"_L1) && !reasonsHere().isEmpty())
            reasonsHere().last().code = text.left(35);
        else if (here.endsWith("StsRsnInf/AddtlInf"_L1) && !reasonsHere().isEmpty() &&
                 reasonsHere().last().texts.size() < 10)
            reasonsHere().last().texts.append(text.left(105));
        else
            take(here, text);
        m_path.removeLast();
        if (here == "OrgnlPmtInfAndSts/TxInfAndSts"_L1)
            endOrder();
        else if (here == "OrgnlPmtInfAndSts"_L1)
            endGroup();
        else if (here == "OrgnlGrpInfAndSts"_L1 && m_report.groupStatus == "RJCT"_L1)
            addWhole(RefusedOrder::Level::Message, m_messageReasons,
                     u"Banka je odbila cijelu datoteku %1"_s.arg(m_report.originalMessageId));
    }

    void take(const QString &here, const QString &text)
    {
        static const QString order = u"OrgnlPmtInfAndSts/TxInfAndSts/"_s;
        static const QString original = order + u"OrgnlTxRef/"_s;
        if (here == "GrpHdr/MsgId"_L1)
            m_report.messageId = text;
        else if (here == "OrgnlGrpInfAndSts/OrgnlMsgId"_L1)
            m_report.originalMessageId = text;
        else if (here == "OrgnlGrpInfAndSts/GrpSts"_L1)
            m_report.groupStatus = text;
        else if (here == "OrgnlPmtInfAndSts/OrgnlPmtInfId"_L1)
            m_groupId = text;
        else if (here == "OrgnlPmtInfAndSts/PmtInfSts"_L1)
            m_groupStatus = text;
        if (!here.startsWith(order))
            return;
        const QStringView rest = QStringView(here).mid(order.size());
        if (rest == "OrgnlInstrId"_L1)
            m_order.instrId = text;
        else if (rest == "OrgnlEndToEndId"_L1) {
            m_order.endToEndId = text;
            setReference(m_order.slip, F::PayerModel, F::PayerReference, text);
        } else if (rest == "TxSts"_L1)
            m_orderStatus = text;
        else if (here.startsWith(original))
            takeOriginal(QStringView(here).mid(original.size()), text);
    }

    // A text of OrgnlTxRef: the order as the bank got it.
    void takeOriginal(QStringView field, const QString &text)
    {
        Hub3aRecord &slip = m_order.slip;
        if (field == "Amt/InstdAmt"_L1) {
            m_order.amount = text;
            if (const std::optional<qint64> cents = centsOf(text))
                slip.set(F::Amount, hub3aAmountText(*cents));
        } else if (field == "ReqdExctnDt/Dt"_L1 || field == "ReqdExctnDt"_L1) {
            const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
            if (date.isValid())
                slip.set(F::ExecutionDate, date.toString(u"ddMMyyyy"_s));
        } else if (field == "Cdtr/Pty/Nm"_L1 || field == "Cdtr/Nm"_L1) {
            m_order.recipient = text;
            slip.set(F::RecipientName, text);
        } else if (field == "CdtrAcct/Id/IBAN"_L1) {
            m_order.iban = text;
            slip.set(F::RecipientIban, text);
        } else if (field == "Dbtr/Pty/Nm"_L1 || field == "Dbtr/Nm"_L1) {
            slip.set(F::PayerName, text);
        } else if (field == "DbtrAcct/Id/IBAN"_L1) {
            slip.set(F::PayerIban, text);
        } else if (field == "Purp/Cd"_L1) {
            slip.set(F::PurposeCode, text);
        } else if (field == "RmtInf/Strd/CdtrRefInf/Ref"_L1) {
            setReference(slip, F::RecipientModel, F::RecipientReference, text);
        } else if (field == "RmtInf/Strd/AddtlRmtInf"_L1 || field == "RmtInf/Ustrd"_L1) {
            slip.set(F::Description, text);
        } else {
            takeAddress(field, text);
        }
    }

    // The parts of a party's address, joined back into the slip's street and place lines.
    void takeAddress(QStringView field, const QString &text)
    {
        const bool payer = field.startsWith("Dbtr/"_L1);
        if (!payer && !field.startsWith("Cdtr/"_L1))
            return;
        const F street = payer ? F::PayerStreet : F::RecipientStreet;
        const F place = payer ? F::PayerPlace : F::RecipientPlace;
        Hub3aRecord &slip = m_order.slip;
        const auto append = [&slip](F target, const QString &part) {
            slip.set(target, slip[target].isEmpty() ? part : slip[target] + u' ' + part);
        };
        if (field.endsWith("PstlAdr/StrtNm"_L1) || field.endsWith("PstlAdr/BldgNb"_L1))
            append(street, text);
        else if (field.endsWith("PstlAdr/PstCd"_L1) || field.endsWith("PstlAdr/TwnNm"_L1))
            append(place, text);
        else if (field.endsWith("PstlAdr/AdrLine"_L1))
            append(slip[street].isEmpty() ? street : place, text);
    }

    void keep(RefusedOrder refused)
    {
        if (m_report.refused.size() >= mostRefused)
            throw notAReport(u"više od %1 odbijenih naloga"_s.arg(mostRefused));
        m_report.refused.append(std::move(refused));
    }

    void endOrder()
    {
        ++m_report.orderCount;
        // An order without a status of its own has its group's.
        const QString status = m_orderStatus.isEmpty() ? m_groupStatus : m_orderStatus;
        if (status != "RJCT"_L1)
            return;
        const QList<Reason> &reasons = m_orderReasons.isEmpty() ? m_groupReasons : m_orderReasons;
        m_order.reason = reasonCodes(reasons);
        m_order.message = reasonMessage(reasons);
        if (m_order.message.isEmpty())
            m_order.message = u"Banka je odbila nalog bez navedenog razloga"_s;
        keep(m_order);
    }

    void endGroup()
    {
        if (m_groupStatus == "RJCT"_L1 && !m_groupHasOrders) {
            addWhole(RefusedOrder::Level::Group, m_groupReasons,
                     u"Banka je odbila cijelu grupu naloga %1"_s.arg(m_groupId));
        }
    }

    void addWhole(RefusedOrder::Level level, const QList<Reason> &reasons, const QString &what)
    {
        RefusedOrder whole;
        whole.level = level;
        whole.paymentInfoId = level == RefusedOrder::Level::Group ? m_groupId : QString();
        whole.reason = reasonCodes(reasons);
        const QString why = reasonMessage(reasons);
        whole.message = why.isEmpty() ? what : what + u": "_s + why;
        keep(whole);
    }

    QXmlStreamReader m_xml;
    QStringList m_path;
    QString m_text;
    Report m_report;
    QList<Reason> m_messageReasons;
    QString m_groupId;
    QString m_groupStatus;
    QList<Reason> m_groupReasons;
    bool m_groupHasOrders = false;
    RefusedOrder m_order;
    QString m_orderStatus;
    QList<Reason> m_orderReasons;
};

} // namespace

QString reasonText(const QString &code)
{
    const auto found = reasonTexts().constFind(code);
    if (found != reasonTexts().constEnd())
        return found.value();
    if (code.isEmpty())
        return u"Razlog nije naveden"_s;
    return u"Razlog %1 (pogledajte popis ISO razloga ili pitajte banku)"_s.arg(code);
}

Report read(const QByteArray &bytes)
{
    if (bytes.size() > largestReport)
        throw UserError(u"Datoteka nije izvješće banke pain.002: veća je od %1 MB"_s.arg(largestReport >> 20));
    return ReportReader(bytes).read();
}

} // namespace Pain002
