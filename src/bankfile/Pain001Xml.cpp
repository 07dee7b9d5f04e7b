#include "bankfile/Pain001Xml.h"

#include "bankfile/BankAmount.h"
#include "bankfile/BankText.h"
#include "bankfile/ChunkDevice.h"
#include "bankfile/Pain001Ids.h"
#include "bankfile/PostalAddress.h"
#include "payments/Iban.h"

#include <QXmlStreamWriter>

using namespace Qt::StringLiterals;

namespace Pain001 {

namespace {

using F = Hub3aField;


class FileWriter
{
public:
    FileWriter(QIODevice &device, const BankOrders &orders, const Options &options)
        : m_chunks(device), m_xml(&m_chunks), m_orders(orders), m_options(options)
    {
        m_xml.setAutoFormatting(true);
        m_xml.setAutoFormattingIndent(1);
    }

    // rowsUnique: each order's InstrId is the message id and its row, which the bank's answer gives
    // back; where rows repeat, its place in the list.
    void write(const std::vector<Group> &groups, bool rowsUnique, int count, qint64 cents)
    {
        m_xml.writeStartDocument();
        m_xml.writeDefaultNamespace(namespaceUri(m_options.schema, m_options.instant));
        m_xml.writeStartElement(u"Document"_s);
        m_xml.writeStartElement(u"CstmrCdtTrfInitn"_s);
        m_xml.writeStartElement(u"GrpHdr"_s);
        m_xml.writeTextElement(u"MsgId"_s, m_options.messageId);
        m_xml.writeTextElement(u"CreDtTm"_s, m_options.created.toString(u"yyyy-MM-ddTHH:mm:ss"_s));
        m_xml.writeTextElement(u"NbOfTxs"_s, QString::number(count));
        m_xml.writeTextElement(u"CtrlSum"_s, bankAmountText(cents));
        m_xml.writeStartElement(u"InitgPty"_s);
        const QString &initiator = m_orders[groups.front().first].record[F::PayerName];
        m_xml.writeTextElement(u"Nm"_s, latinInitiator(groups) ? withoutCroatianLetters(initiator) : initiator);
        m_xml.writeEndElement(); // InitgPty
        m_xml.writeEndElement(); // GrpHdr
        int groupNumber = 0;
        for (const Group &group : groups) {
            writeGroup(group, ++groupNumber, rowsUnique);
            if (m_chunks.failed())
                break;
        }
        m_xml.writeEndElement(); // CstmrCdtTrfInitn
        m_xml.writeEndElement(); // Document
        m_xml.writeEndDocument();
        m_chunks.write("\n");
        m_chunks.flushChunk();
    }

private:
    // <element><Cd>code</Cd></element>
    void writeCode(const QString &element, const QString &code)
    {
        m_xml.writeStartElement(element);
        m_xml.writeTextElement(u"Cd"_s, code);
        m_xml.writeEndElement();
    }

    // <element><Id><IBAN>iban</IBAN></Id></element>
    void writeAccount(const QString &element, const QString &iban)
    {
        m_xml.writeStartElement(element);
        m_xml.writeStartElement(u"Id"_s);
        m_xml.writeTextElement(u"IBAN"_s, iban);
        m_xml.writeEndElement();
        m_xml.writeEndElement();
    }

    // The party's address; for a group abroad latin, without Croatian letters.
    void writeAddress(const Hub3aRecord &record, Party party, bool latin)
    {
        PostalAddress address = partyAddress(record, party);
        if (address.isEmpty())
            return;
        if (latin) {
            for (QString *part : {&address.streetName, &address.buildingNo, &address.postCode, &address.townName,
                                  &address.addressLine})
                *part = withoutCroatianLetters(*part);
        }
        m_xml.writeStartElement(u"PstlAdr"_s);
        if (!address.streetName.isEmpty()) {
            m_xml.writeTextElement(u"StrtNm"_s, address.streetName);
            m_xml.writeTextElement(u"BldgNb"_s, address.buildingNo);
        }
        if (!address.postCode.isEmpty())
            m_xml.writeTextElement(u"PstCd"_s, address.postCode);
        if (!address.townName.isEmpty())
            m_xml.writeTextElement(u"TwnNm"_s, address.townName);
        m_xml.writeTextElement(u"Ctry"_s, address.country);
        if (!address.addressLine.isEmpty())
            m_xml.writeTextElement(u"AdrLine"_s, address.addressLine);
        m_xml.writeEndElement(); // PstlAdr
    }

    void writeGroup(const Group &group, int number, bool rowsUnique)
    {
        const Hub3aRecord &payer = m_orders[group.first].record;
        m_xml.writeStartElement(u"PmtInf"_s);
        m_xml.writeTextElement(u"PmtInfId"_s, groupId(m_options.messageId, number));
        m_xml.writeTextElement(u"PmtMtd"_s, u"TRF"_s);
        m_xml.writeTextElement(u"NbOfTxs"_s, QString::number(group.orders.size()));
        m_xml.writeTextElement(u"CtrlSum"_s, bankAmountText(group.cents));
        // The payment type once, for the group; an urgent group is no SEPA order (the guide: "Nalog
        // sa prioritetom HIGH bit će izvršen kao NON SEPA nalog"), so it carries no SvcLvl SEPA.
        m_xml.writeStartElement(u"PmtTpInf"_s);
        m_xml.writeTextElement(u"InstrPrty"_s, group.urgent ? u"HIGH"_s : u"NORM"_s);
        if (!group.urgent || m_options.instant)
            writeCode(u"SvcLvl"_s, u"SEPA"_s);
        if (m_options.instant)
            writeCode(u"LclInstrm"_s, u"INST"_s);
        m_xml.writeEndElement(); // PmtTpInf
        m_xml.writeStartElement(u"ReqdExctnDt"_s);
        m_xml.writeTextElement(u"Dt"_s, group.date.toString(Qt::ISODate));
        m_xml.writeEndElement();
        m_xml.writeStartElement(u"Dbtr"_s);
        // Payments abroad take no Croatian letters (the guide: "u prekograničnim ... plaćanjima ne
        // koriste"): the payer of a group abroad is written without them, as the result notes.
        const QString &name = payer[F::PayerName];
        m_xml.writeTextElement(u"Nm"_s, group.crossBorder ? withoutCroatianLetters(name) : name);
        writeAddress(payer, Party::Payer, group.crossBorder);
        m_xml.writeEndElement(); // Dbtr
        writeAccount(u"DbtrAcct"_s, compactIban(payer[F::PayerIban]));
        m_xml.writeStartElement(u"DbtrAgt"_s);
        m_xml.writeStartElement(u"FinInstnId"_s);
        m_xml.writeStartElement(u"Othr"_s);
        m_xml.writeTextElement(u"Id"_s, u"NOTPROVIDED"_s);
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        m_xml.writeEndElement(); // DbtrAgt
        m_xml.writeTextElement(u"ChrgBr"_s, u"SLEV"_s);
        for (qsizetype index : group.orders) {
            writeOrder(m_orders[index].record,
                       instructionId(m_options.messageId, m_orders, index, rowsUnique));
            if (m_chunks.failed())
                break;
        }
        m_xml.writeEndElement(); // PmtInf
    }

    void writeOrder(const Hub3aRecord &order, const QString &instrId)
    {
        m_xml.writeStartElement(u"CdtTrfTxInf"_s);
        m_xml.writeStartElement(u"PmtId"_s);
        m_xml.writeTextElement(u"InstrId"_s, instrId);
        m_xml.writeTextElement(u"EndToEndId"_s, endToEndId(order));
        m_xml.writeEndElement(); // PmtId
        m_xml.writeStartElement(u"Amt"_s);
        m_xml.writeStartElement(u"InstdAmt"_s);
        m_xml.writeAttribute(u"Ccy"_s, u"EUR"_s);
        m_xml.writeCharacters(bankAmountText(hub3aAmountCents(order[F::Amount]).value_or(0)));
        m_xml.writeEndElement(); // InstdAmt
        m_xml.writeEndElement(); // Amt
        m_xml.writeStartElement(u"Cdtr"_s);
        m_xml.writeTextElement(u"Nm"_s, order[F::RecipientName]);
        writeAddress(order, Party::Recipient, false);
        m_xml.writeEndElement(); // Cdtr
        const QString iban = compactIban(order[F::RecipientIban]);
        writeAccount(u"CdtrAcct"_s, iban);
        if (!order[F::PurposeCode].isEmpty())
            writeCode(u"Purp"_s, order[F::PurposeCode]);
        m_xml.writeStartElement(u"RmtInf"_s);
        const QString creditor = creditorReference(order);
        if (croatianIban(iban) || !creditor.isEmpty()) {
            // A national payment: the recipient's model and reference, and the description beside it;
            // an RF creditor reference, at home or abroad, stands alone.
            m_xml.writeStartElement(u"Strd"_s);
            m_xml.writeStartElement(u"CdtrRefInf"_s);
            m_xml.writeStartElement(u"Tp"_s);
            writeCode(u"CdOrPrtry"_s, u"SCOR"_s);
            m_xml.writeEndElement(); // Tp
            m_xml.writeTextElement(u"Ref"_s, creditor.isEmpty() ? bankReference(order[F::RecipientModel],
                                                                                 order[F::RecipientReference])
                                                                 : creditor);
            m_xml.writeEndElement(); // CdtrRefInf
            if (creditor.isEmpty())
                m_xml.writeTextElement(u"AddtlRmtInf"_s, order[F::Description]);
            m_xml.writeEndElement(); // Strd
        } else {
            // Cross-border: the guide allows no AddtlRmtInf; the description goes unstructured.
            m_xml.writeTextElement(u"Ustrd"_s, order[F::Description]);
        }
        m_xml.writeEndElement(); // RmtInf
        m_xml.writeEndElement(); // CdtTrfTxInf
    }

    ChunkDevice m_chunks;
    QXmlStreamWriter m_xml;
    BankOrders m_orders;
    const Options &m_options;
};

} // namespace

void writeXml(QIODevice &device, const BankOrders &orders, const Options &options, const Plan &plan)
{
    FileWriter(device, orders, options)
        .write(plan.groups, plan.rowsUnique, plan.result.written, plan.result.totalCents);
}

} // namespace Pain001
