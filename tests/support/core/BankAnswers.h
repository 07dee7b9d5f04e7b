#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The bank's pain.002 answers the book tests read: a status for the whole file and parts of it.
namespace BankAnswers {

// A group of the file (instrId empty) or one of its orders, with its status and reason code.
struct Part
{
    QString group;
    QString instrId;
    QString status = QStringLiteral("RJCT");
    QString reason = QStringLiteral("AC04");
};

inline QByteArray answer(const QString &messageId, const QString &fileStatus, const QList<Part> &parts)
{
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Document "
                                 "xmlns=\"urn:iso:std:iso:20022:tech:xsd:pain.002.001.10\"><CstmrPmtStsRpt>"
                                 "<GrpHdr><MsgId>STS1</MsgId><CreDtTm>2026-12-09T08:00:00</CreDtTm></GrpHdr>"
                                 "<OrgnlGrpInfAndSts><OrgnlMsgId>%1</OrgnlMsgId>"
                                 "<OrgnlMsgNmId>pain.001.001.09</OrgnlMsgNmId>")
                      .arg(messageId);
    if (!fileStatus.isEmpty())
        xml += QStringLiteral("<GrpSts>%1</GrpSts>").arg(fileStatus);
    xml += QStringLiteral("</OrgnlGrpInfAndSts>");
    const QString reasonXml = QStringLiteral("<StsRsnInf><Rsn><Cd>%1</Cd></Rsn></StsRsnInf>");
    for (const Part &part : parts) {
        xml += QStringLiteral("<OrgnlPmtInfAndSts><OrgnlPmtInfId>%1</OrgnlPmtInfId>").arg(part.group);
        if (part.instrId.isEmpty())
            xml += QStringLiteral("<PmtInfSts>%1</PmtInfSts>").arg(part.status) + reasonXml.arg(part.reason);
        else
            xml += QStringLiteral("<TxInfAndSts><OrgnlInstrId>%1</OrgnlInstrId><TxSts>%2</TxSts>")
                       .arg(part.instrId, part.status) +
                   reasonXml.arg(part.reason) + QStringLiteral("</TxInfAndSts>");
        xml += QStringLiteral("</OrgnlPmtInfAndSts>");
    }
    return (xml + QStringLiteral("</CstmrPmtStsRpt></Document>")).toUtf8();
}

} // namespace BankAnswers
