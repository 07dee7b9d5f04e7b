#include "bankfile/Pain002.h"

#include "bankfile/BoundedXmlWalk.h"
#include "bankfile/Pain002Reasons.h"
#include "bankfile/RefusedSlip.h"
#include "model/TextFile.h"
#include "model/UserError.h"

#include <QBuffer>
#include <QFile>
#include <QStringList>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace Pain002 {

namespace {

using F = Hub3aField;

bool acceptance(const QString &status)
{
    static const QStringList accepting{u"ACTC"_s, u"ACCP"_s, u"ACSP"_s, u"ACSC"_s, u"ACWC"_s, u"PART"_s};
    return accepting.contains(status);
}

// Reads the report element by element; the path of element names from the report's root
// (CstmrPmtStsRpt) down tells what a text is.
class ReportReader : private BoundedXmlWalk
{
public:
    explicit ReportReader(BoundedXmlInput &input) : BoundedXmlWalk(input, u"izvješće banke pain.002"_s) {}

    // Nothing when the input was cancelled.
    std::optional<Report> read()
    {
        readRoot();
        if (!walk())
            return std::nullopt;
        return m_report;
    }

private:
    void readRoot()
    {
        refuseSize(largestReport);
        while (!m_xml.atEnd() && !m_input.stopped()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            refuseDtd(token);
            if (token == QXmlStreamReader::StartElement) {
                if (m_xml.name() != "Document"_L1 ||
                    !m_xml.namespaceUri().startsWith("urn:iso:std:iso:20022:tech:xsd:pain.002."_L1))
                    throw notTheDocument(u"korijen je %1 (%2)"_s.arg(m_xml.name(), m_xml.namespaceUri()));
                if (!m_xml.readNextStartElement() || m_xml.name() != "CstmrPmtStsRpt"_L1)
                    throw notTheDocument(m_xml.hasError() ? m_xml.errorString() : u"nema CstmrPmtStsRpt"_s);
                return;
            }
        }
        if (m_input.cancelled())
            return;
        throw notTheDocument(m_xml.hasError() ? m_xml.errorString() : u"datoteka je prazna"_s);
    }

    QString path() const { return m_path.join(u'/'); }

    void enter() override
    {
        refuseDeeper(m_path.size(), deepestNesting);
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

    void leave() override
    {
        if (m_path.isEmpty()) // the end of CstmrPmtStsRpt or Document
            return;
        const QString here = path();
        const QString text = m_text.trimmed();
        m_text.clear();
        if (m_xml.name() == "Cd"_L1 && here.endsWith("StsRsnInf/Rsn/Cd"_L1) && !reasonsHere().isEmpty())
            reasonsHere().last().code = text.left(4);
        else if (m_xml.name() == "Prtry"_L1 && here.endsWith("StsRsnInf/Rsn/Prtry"_L1) &&
                 !reasonsHere().isEmpty())
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
        else if (here == "OrgnlGrpInfAndSts"_L1 && acceptance(m_report.groupStatus))
            accept({RefusedOrder::Level::Message, {}, {}, {}});
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
            takeOriginalText(m_order, QStringView(here).mid(original.size()), text);
    }

    void keep(RefusedOrder refused)
    {
        if (m_report.refused.size() >= mostRefused)
            throw notTheDocument(u"više od %1 odbijenih naloga"_s.arg(mostRefused));
        m_report.refused.append(std::move(refused));
    }

    void accept(AcceptedPart part)
    {
        if (m_report.accepted.size() >= mostRefused)
            throw notTheDocument(u"više od %1 prihvaćenih naloga"_s.arg(mostRefused));
        m_report.accepted.append(std::move(part));
    }

    void endOrder()
    {
        ++m_report.orderCount;
        // An order without a status of its own has its group's.
        const QString status = m_orderStatus.isEmpty() ? m_groupStatus : m_orderStatus;
        if (acceptance(status))
            accept({RefusedOrder::Level::Order, m_order.paymentInfoId, m_order.instrId, m_order.endToEndId});
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
        } else if (acceptance(m_groupStatus)) {
            accept({RefusedOrder::Level::Group, m_groupId, {}, {}});
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

    QStringList m_path;
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

Report read(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    BoundedXmlInput input(buffer, mostAttributes);
    return *ReportReader(input).read();
}

std::optional<Report> readFile(const QString &path, const ReadHooks &hooks)
{
    TextFile::checkReadable(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(u"Datoteka %1 ne može se otvoriti"_s.arg(path));
    BoundedXmlInput input(file, mostAttributes, {hooks.progress, hooks.cancelRequested});
    return ReportReader(input).read();
}

} // namespace Pain002
