#include "statements/BankStatement.h"

#include "bankfile/BankAmount.h"
#include "bankfile/BoundedXmlWalk.h"
#include "model/TextFile.h"
#include "model/UserError.h"

#include <QBuffer>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace BankStatement {

namespace {

constexpr int mostUnstructured = 10;

// The message elements under Document and what each calls one account's statement.
struct MessageKind
{
    QLatin1StringView root;
    QLatin1StringView statement;
};
constexpr MessageKind messageKinds[] = {
    {"BkToCstmrStmt"_L1, "Stmt"_L1},
    {"BkToCstmrDbtCdtNtfctn"_L1, "Ntfctn"_L1},
    {"BkToCstmrAcctRpt"_L1, "Rpt"_L1},
};

// Reads the document element by element. The path of element names below the message element
// tells what a text is; whatever a message calls its statements is "Stmt" in the path, and an
// element of another namespace is "~", so nothing below it matches.
class StatementReader : private BoundedXmlWalk
{
public:
    explicit StatementReader(BoundedXmlInput &input) : BoundedXmlWalk(input, u"izvadak banke camt.053/054"_s) {}

    std::optional<Document> read()
    {
        readRoot();
        if (!walk())
            return std::nullopt;
        return m_document;
    }

private:
    void readRoot()
    {
        static const QRegularExpression camt(u"^urn:iso:std:iso:20022:tech:xsd:(camt\\.05[234]\\.001\\.[0-9]{2})$"_s);
        refuseSize(largestDocument);
        if (m_input.size() == 0)
            throw notTheDocument(u"datoteka je prazna"_s);
        while (!m_xml.atEnd() && !m_input.stopped()) {
            const QXmlStreamReader::TokenType token = m_xml.readNext();
            refuseDtd(token);
            if (token != QXmlStreamReader::StartElement)
                continue;
            const QRegularExpressionMatch match = camt.match(m_xml.namespaceUri());
            if (m_xml.name() != "Document"_L1 || !match.hasMatch())
                throw notTheDocument(u"korijen je %1 (%2)"_s.arg(m_xml.name(), m_xml.namespaceUri()));
            m_namespace = m_xml.namespaceUri().toString();
            m_document.kind = match.captured(1);
            if (!m_xml.readNextStartElement())
                throw notTheDocument(m_xml.hasError() ? m_xml.errorString() : u"dokument je prazan"_s);
            for (const MessageKind &kind : messageKinds) {
                if (m_xml.name() == kind.root && m_xml.namespaceUri() == m_namespace) {
                    m_statementName = kind.statement;
                    return;
                }
            }
            throw notTheDocument(u"poruka je %1"_s.arg(m_xml.name()));
        }
        if (m_input.cancelled())
            return;
        throw notTheDocument(m_xml.hasError() ? m_xml.errorString() : u"datoteka je prazna"_s);
    }

    void enter() override
    {
        refuseDeeper(m_depths.size(), deepestNesting);
        m_depths.append(m_path.size());
        if (!m_path.isEmpty())
            m_path += u'/';
        if (m_xml.namespaceUri() != m_namespace)
            m_path += u'~';
        else if (m_depths.size() == 1 && m_xml.name() == m_statementName)
            m_path += "Stmt"_L1;
        else
            m_path += m_xml.name();
        m_text.clear();
        if (m_path == "Stmt"_L1) {
            m_document.statements.append(Statement());
        } else if (m_path == "Stmt/Ntry"_L1) {
            count();
            statement().entries.append(Entry());
        } else if (m_path == "Stmt/Ntry/NtryDtls/TxDtls"_L1) {
            // The entry counted as one transaction already.
            if (!entry().transactions.isEmpty())
                count();
            entry().transactions.append(Transaction());
        } else if (m_path == "Stmt/Ntry/Amt"_L1) {
            entry().currency = m_xml.attributes().value("Ccy"_L1).left(3).toString();
        } else if (m_path.startsWith(transactionPath) && m_path.endsWith("Amt"_L1)) {
            m_currency = m_xml.attributes().value("Ccy"_L1).left(3).toString();
        }
    }

    void count()
    {
        if (++m_transactions > mostTransactions)
            throw notTheDocument(u"više od %1 stavaka"_s.arg(mostTransactions));
    }

    Statement &statement() { return m_document.statements.last(); }
    Entry &entry() { return statement().entries.last(); }

    void leave() override
    {
        if (m_depths.isEmpty()) // the end of the message element or of Document
            return;
        const QString text = m_text.trimmed();
        m_text.clear();
        if (m_path == "GrpHdr/MsgId"_L1)
            m_document.messageId = text;
        else if (m_path.startsWith(transactionPath))
            takeTransaction(QStringView(m_path).mid(transactionPath.size()), text);
        else if (m_path.startsWith(entryPath))
            takeEntry(QStringView(m_path).mid(entryPath.size()), text);
        else if (m_path.startsWith(statementPath))
            takeStatement(QStringView(m_path).mid(statementPath.size()), text);
        m_path.truncate(m_depths.takeLast());
    }

    void takeStatement(QStringView field, const QString &text)
    {
        if (field == "Id"_L1)
            statement().id = text;
        else if (field == "Acct/Id/IBAN"_L1)
            statement().iban = text;
        else if (field == "Acct/Ccy"_L1)
            statement().currency = text;
    }

    static QDate dateOf(const QString &text) { return QDate::fromString(text.left(10), Qt::ISODate); }

    void takeEntry(QStringView field, const QString &text)
    {
        Entry &here = entry();
        if (field == "Amt"_L1)
            here.cents = bankAmountCents(text).value_or(0);
        else if (field == "CdtDbtInd"_L1)
            here.credit = text == "CRDT"_L1;
        else if (field == "RvslInd"_L1)
            here.reversal = text == "true"_L1 || text == "1"_L1;
        else if ((field == "Sts"_L1 && !text.isEmpty()) || field == "Sts/Cd"_L1)
            here.booked = text == "BOOK"_L1;
        else if (field == "BookgDt/Dt"_L1 || field == "BookgDt/DtTm"_L1)
            here.bookingDate = dateOf(text);
        else if (field == "ValDt/Dt"_L1 || field == "ValDt/DtTm"_L1)
            here.valueDate = dateOf(text);
        else if (field == "AcctSvcrRef"_L1)
            here.bankReference = text;
        else if (field == "NtryDtls/Btch/MsgId"_L1)
            here.batchMessageId = text;
        else if (field == "NtryDtls/Btch/PmtInfId"_L1)
            here.batchPaymentInfoId = text;
        else if (field == "NtryDtls/Btch/NbOfTxs"_L1)
            here.batchCount = text.size() <= 9 ? text.toInt() : -1;
    }

    void takeTransaction(QStringView field, const QString &text)
    {
        Transaction &here = entry().transactions.last();
        if (field == "Refs/MsgId"_L1)
            here.messageId = text;
        else if (field == "Refs/PmtInfId"_L1)
            here.paymentInfoId = text;
        else if (field == "Refs/InstrId"_L1)
            here.instrId = text;
        else if (field == "Refs/EndToEndId"_L1)
            here.endToEndId = text;
        else if (field == "Refs/AcctSvcrRef"_L1)
            here.bankReference = text;
        else if (field == "Amt"_L1 || field == "AmtDtls/TxAmt/Amt"_L1 || field == "AmtDtls/InstdAmt/Amt"_L1) {
            if (!here.cents && m_currency == "EUR"_L1)
                here.cents = bankAmountCents(text);
        } else if (field == "RltdPties/Dbtr/Nm"_L1 || field == "RltdPties/Dbtr/Pty/Nm"_L1)
            here.debtorName = text;
        else if (field == "RltdPties/DbtrAcct/Id/IBAN"_L1)
            here.debtorIban = text;
        else if (field == "RltdPties/Cdtr/Nm"_L1 || field == "RltdPties/Cdtr/Pty/Nm"_L1)
            here.creditorName = text;
        else if (field == "RltdPties/CdtrAcct/Id/IBAN"_L1)
            here.creditorIban = text;
        else if (field == "RmtInf/Strd/CdtrRefInf/Ref"_L1)
            here.reference = text;
        else if (field == "RmtInf/Ustrd"_L1 && here.unstructured.size() < mostUnstructured)
            here.unstructured.append(text);
    }

    static inline const QString statementPath = u"Stmt/"_s;
    static inline const QString entryPath = u"Stmt/Ntry/"_s;
    static inline const QString transactionPath = u"Stmt/Ntry/NtryDtls/TxDtls/"_s;

    QString m_namespace;
    QLatin1StringView m_statementName;
    QString m_path;
    QList<qsizetype> m_depths; // the path's length before each open element
    QString m_currency; // of the transaction amount being read
    qsizetype m_transactions = 0;
    Document m_document;
};

} // namespace

Document read(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    BoundedXmlInput input(buffer, mostAttributes);
    return *StatementReader(input).read();
}

std::optional<Document> readFile(const QString &path, const BoundedXmlInput::Hooks &hooks)
{
    TextFile::checkReadable(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw UserError(u"Datoteka %1 ne može se otvoriti"_s.arg(path));
    BoundedXmlInput input(file, mostAttributes, hooks);
    return StatementReader(input).read();
}

QString compactReference(const QString &reference)
{
    QString compact = reference.toUpper();
    compact.remove(u' ');
    return compact;
}

} // namespace BankStatement
