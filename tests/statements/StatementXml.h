#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Statements the tests write: the entries of one account in a camt.053 of version .02 or .08.
struct TestTransaction
{
    QString endToEndId, instrId, paymentInfoId, amount;
    QString debtorName, debtorIban, creditorName, creditorIban, reference, unstructured;
};

struct TestEntry
{
    explicit TestEntry(QString amount = {}, bool credit = false) : amount(std::move(amount)), credit(credit) {}

    QString amount;
    bool credit = false;
    bool reversal = false;
    QString status = QStringLiteral("BOOK");
    QString bookingDate = QStringLiteral("2026-12-10");
    QString bankReference;
    QString batchPaymentInfoId;
    int batchCount = -1;
    QList<TestTransaction> transactions;
};

inline QString xmlElement(const QString &name, const QString &text)
{
    return text.isEmpty() ? QString() : QStringLiteral("<%1>%2</%1>").arg(name, text);
}

inline QString partyXml(const QString &role, const QString &name, const QString &iban, int version)
{
    QString xml;
    if (!name.isEmpty())
        xml += version >= 8 ? QStringLiteral("<%1><Pty><Nm>%2</Nm></Pty></%1>").arg(role, name)
                            : QStringLiteral("<%1><Nm>%2</Nm></%1>").arg(role, name);
    if (!iban.isEmpty())
        xml += QStringLiteral("<%1Acct><Id><IBAN>%2</IBAN></Id></%1Acct>").arg(role, iban);
    return xml;
}

inline QByteArray statementXml(const QList<TestEntry> &entries, int version = 2,
                               const QString &account = QStringLiteral("HR1210010051863000160"))
{
    const QString ns = QStringLiteral("urn:iso:std:iso:20022:tech:xsd:camt.053.001.%1")
                           .arg(version, 2, 10, QLatin1Char('0'));
    QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<c:Document xmlns:c=\"%1\">"
                                 "<c:BkToCstmrStmt><c:GrpHdr><c:MsgId>IZV1</c:MsgId></c:GrpHdr><c:Stmt>"
                                 "<c:Id>1</c:Id><c:Acct><c:Id><c:IBAN>%2</c:IBAN></c:Id></c:Acct>")
                      .arg(ns, account);
    for (const TestEntry &entry : entries) {
        // The entries without a prefix, in the default namespace: both must read alike.
        xml += QStringLiteral("<Ntry xmlns=\"%1\"><Amt Ccy=\"EUR\">%2</Amt><CdtDbtInd>%3</CdtDbtInd>")
                   .arg(ns, entry.amount, entry.credit ? QStringLiteral("CRDT") : QStringLiteral("DBIT"));
        if (entry.reversal)
            xml += QStringLiteral("<RvslInd>true</RvslInd>");
        xml += version >= 8 ? QStringLiteral("<Sts><Cd>%1</Cd></Sts>").arg(entry.status)
                            : xmlElement(QStringLiteral("Sts"), entry.status);
        xml += QStringLiteral("<BookgDt><Dt>%1</Dt></BookgDt>").arg(entry.bookingDate);
        xml += xmlElement(QStringLiteral("AcctSvcrRef"), entry.bankReference);
        if (!entry.batchPaymentInfoId.isEmpty() || !entry.transactions.isEmpty()) {
            xml += QStringLiteral("<NtryDtls>");
            if (!entry.batchPaymentInfoId.isEmpty())
                xml += QStringLiteral("<Btch><PmtInfId>%1</PmtInfId>%2</Btch>")
                           .arg(entry.batchPaymentInfoId,
                                entry.batchCount < 0 ? QString()
                                                     : xmlElement(QStringLiteral("NbOfTxs"),
                                                                  QString::number(entry.batchCount)));
            for (const TestTransaction &t : entry.transactions) {
                xml += QStringLiteral("<TxDtls><Refs>%1%2%3</Refs>")
                           .arg(xmlElement(QStringLiteral("PmtInfId"), t.paymentInfoId),
                                xmlElement(QStringLiteral("InstrId"), t.instrId),
                                xmlElement(QStringLiteral("EndToEndId"), t.endToEndId));
                if (!t.amount.isEmpty())
                    xml += QStringLiteral("<AmtDtls><TxAmt><Amt Ccy=\"EUR\">%1</Amt></TxAmt></AmtDtls>").arg(t.amount);
                xml += QStringLiteral("<RltdPties>%1%2</RltdPties>")
                           .arg(partyXml(QStringLiteral("Dbtr"), t.debtorName, t.debtorIban, version),
                                partyXml(QStringLiteral("Cdtr"), t.creditorName, t.creditorIban, version));
                xml += QStringLiteral("<RmtInf>%1").arg(xmlElement(QStringLiteral("Ustrd"), t.unstructured));
                if (!t.reference.isEmpty())
                    xml += QStringLiteral("<Strd><CdtrRefInf><Tp><CdOrPrtry><Cd>SCOR</Cd></CdOrPrtry></Tp>"
                                          "<Ref>%1</Ref></CdtrRefInf></Strd>")
                               .arg(t.reference);
                xml += QStringLiteral("</RmtInf></TxDtls>");
            }
            xml += QStringLiteral("</NtryDtls>");
        }
        xml += QStringLiteral("</Ntry>");
    }
    xml += QStringLiteral("</c:Stmt></c:BkToCstmrStmt></c:Document>\n");
    return xml.toUtf8();
}
