#include "bankfile/Pain001.h"

#include "bankfile/BankText.h"
#include "bankfile/PostalAddress.h"
#include "model/Clock.h"
#include "model/SettingsStore.h"
#include "model/TextFile.h"
#include "model/UserError.h"
#include "payments/Hub3aChecks.h"
#include "payments/Iban.h"

#include <QHash>
#include <QSet>
#include <QXmlStreamWriter>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace Pain001 {

namespace {

using F = Hub3aField;

constexpr qint64 largestCents = 99'999'999'999; // 999.999.999,99 (the guide's SEPA limit)
constexpr int largestDailyCount = 9999;

// The texts the guide's character rules cover.
constexpr F textFields[] = {F::PayerName,       F::PayerStreet,    F::PayerPlace, F::RecipientName,
                            F::RecipientStreet, F::RecipientPlace, F::Description};

QString amountText(qint64 cents)
{
    return u"%1.%2"_s.arg(cents / 100).arg(cents % 100, 2, 10, QChar(u'0'));
}

// Model and reference in one, without a space: HR99 when both are empty, HR00 before a reference
// without a model.
QString joinedReference(const QString &model, const QString &reference)
{
    const QString completed = completedHub3aModel(model.trimmed());
    const QString number = reference.trimmed();
    if (completed.isEmpty())
        return number.isEmpty() ? u"HR99"_s : u"HR00"_s + number;
    return completed + number;
}

bool croatianIban(const QString &iban)
{
    return compactIban(iban).startsWith("HR"_L1);
}

// The execution date of an order: the slip's (DDMMGGGG) or today.
QDate executionDate(const Hub3aRecord &record, const Options &options)
{
    const QString text = record[F::ExecutionDate];
    return text.isEmpty() ? options.today : QDate::fromString(text, u"ddMMyyyy"_s);
}

// The orders of one PmtInf: same payer (IBAN, name, address), execution date and urgency.
struct Group
{
    qsizetype first = 0; // the order whose payer the group takes
    QDate date;
    bool urgent = false;
    qint64 cents = 0;
    std::vector<qsizetype> orders;
};

// Collects the bytes of the XML writer and hands them on in large pieces: the writer's many small
// writes would otherwise each go through the save file's checks.
class ChunkDevice final : public QIODevice
{
public:
    explicit ChunkDevice(QIODevice &target) : m_target(target) { open(QIODevice::WriteOnly); }
    ~ChunkDevice() override { flushChunk(); }
    void flushChunk()
    {
        if (!m_chunk.isEmpty() && m_target.write(m_chunk) != m_chunk.size())
            m_failed = true;
        m_chunk.clear();
    }
    bool failed() const { return m_failed; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        m_chunk.append(data, size);
        if (m_chunk.size() >= chunkSize)
            flushChunk();
        return size;
    }

private:
    static constexpr qsizetype chunkSize = 1 << 16;
    QIODevice &m_target;
    QByteArray m_chunk;
    bool m_failed = false;
};

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
        m_xml.writeTextElement(u"CtrlSum"_s, amountText(cents));
        m_xml.writeStartElement(u"InitgPty"_s);
        m_xml.writeTextElement(u"Nm"_s, m_orders.record(groups.front().first)[F::PayerName]);
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
    void writeAddress(const QString &street, const QString &place)
    {
        const PostalAddress address = splitPostalAddress(street, place);
        if (address.isEmpty())
            return;
        m_xml.writeStartElement(u"PstlAdr"_s);
        if (!address.streetName.isEmpty()) {
            m_xml.writeTextElement(u"StrtNm"_s, address.streetName);
            m_xml.writeTextElement(u"BldgNb"_s, address.buildingNo);
        }
        if (!address.postCode.isEmpty())
            m_xml.writeTextElement(u"PstCd"_s, address.postCode);
        if (!address.townName.isEmpty())
            m_xml.writeTextElement(u"TwnNm"_s, address.townName);
        m_xml.writeTextElement(u"Ctry"_s, u"HR"_s);
        if (!address.addressLine.isEmpty())
            m_xml.writeTextElement(u"AdrLine"_s, address.addressLine);
        m_xml.writeEndElement(); // PstlAdr
    }

    void writeGroup(const Group &group, int number, bool rowsUnique)
    {
        const Hub3aRecord &payer = m_orders.record(group.first);
        m_xml.writeStartElement(u"PmtInf"_s);
        m_xml.writeTextElement(u"PmtInfId"_s, u"%1-G%2"_s.arg(m_options.messageId).arg(number));
        m_xml.writeTextElement(u"PmtMtd"_s, u"TRF"_s);
        m_xml.writeTextElement(u"NbOfTxs"_s, QString::number(group.orders.size()));
        m_xml.writeTextElement(u"CtrlSum"_s, amountText(group.cents));
        // The payment type once, for the group; an urgent group is no SEPA order (the guide: "Nalog
        // sa prioritetom HIGH bit će izvršen kao NON SEPA nalog"), so it carries no SvcLvl SEPA.
        m_xml.writeStartElement(u"PmtTpInf"_s);
        m_xml.writeTextElement(u"InstrPrty"_s, group.urgent ? u"HIGH"_s : u"NORM"_s);
        if (!group.urgent || m_options.instant) {
            m_xml.writeStartElement(u"SvcLvl"_s);
            m_xml.writeTextElement(u"Cd"_s, u"SEPA"_s);
            m_xml.writeEndElement();
        }
        if (m_options.instant) {
            m_xml.writeStartElement(u"LclInstrm"_s);
            m_xml.writeTextElement(u"Cd"_s, u"INST"_s);
            m_xml.writeEndElement();
        }
        m_xml.writeEndElement(); // PmtTpInf
        m_xml.writeStartElement(u"ReqdExctnDt"_s);
        m_xml.writeTextElement(u"Dt"_s, group.date.toString(Qt::ISODate));
        m_xml.writeEndElement();
        m_xml.writeStartElement(u"Dbtr"_s);
        m_xml.writeTextElement(u"Nm"_s, payer[F::PayerName]);
        writeAddress(payer[F::PayerStreet], payer[F::PayerPlace]);
        m_xml.writeEndElement(); // Dbtr
        m_xml.writeStartElement(u"DbtrAcct"_s);
        m_xml.writeStartElement(u"Id"_s);
        m_xml.writeTextElement(u"IBAN"_s, compactIban(payer[F::PayerIban]));
        m_xml.writeEndElement();
        m_xml.writeEndElement(); // DbtrAcct
        m_xml.writeStartElement(u"DbtrAgt"_s);
        m_xml.writeStartElement(u"FinInstnId"_s);
        m_xml.writeStartElement(u"Othr"_s);
        m_xml.writeTextElement(u"Id"_s, u"NOTPROVIDED"_s);
        m_xml.writeEndElement();
        m_xml.writeEndElement();
        m_xml.writeEndElement(); // DbtrAgt
        m_xml.writeTextElement(u"ChrgBr"_s, u"SLEV"_s);
        for (qsizetype index : group.orders) {
            writeOrder(m_orders.record(index),
                       u"%1-%2"_s.arg(m_options.messageId).arg(rowsUnique ? m_orders.row(index) : index + 1));
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
        m_xml.writeTextElement(u"EndToEndId"_s, joinedReference(order[F::PayerModel], order[F::PayerReference]));
        m_xml.writeEndElement(); // PmtId
        m_xml.writeStartElement(u"Amt"_s);
        m_xml.writeStartElement(u"InstdAmt"_s);
        m_xml.writeAttribute(u"Ccy"_s, u"EUR"_s);
        m_xml.writeCharacters(amountText(hub3aAmountCents(order[F::Amount]).value_or(0)));
        m_xml.writeEndElement(); // InstdAmt
        m_xml.writeEndElement(); // Amt
        m_xml.writeStartElement(u"Cdtr"_s);
        m_xml.writeTextElement(u"Nm"_s, order[F::RecipientName]);
        writeAddress(order[F::RecipientStreet], order[F::RecipientPlace]);
        m_xml.writeEndElement(); // Cdtr
        m_xml.writeStartElement(u"CdtrAcct"_s);
        m_xml.writeStartElement(u"Id"_s);
        const QString iban = compactIban(order[F::RecipientIban]);
        m_xml.writeTextElement(u"IBAN"_s, iban);
        m_xml.writeEndElement();
        m_xml.writeEndElement(); // CdtrAcct
        if (!order[F::PurposeCode].isEmpty()) {
            m_xml.writeStartElement(u"Purp"_s);
            m_xml.writeTextElement(u"Cd"_s, order[F::PurposeCode]);
            m_xml.writeEndElement();
        }
        m_xml.writeStartElement(u"RmtInf"_s);
        if (croatianIban(iban)) {
            // A national payment: the recipient's model and reference, and the description beside it.
            m_xml.writeStartElement(u"Strd"_s);
            m_xml.writeStartElement(u"CdtrRefInf"_s);
            m_xml.writeStartElement(u"Tp"_s);
            m_xml.writeStartElement(u"CdOrPrtry"_s);
            m_xml.writeTextElement(u"Cd"_s, u"SCOR"_s);
            m_xml.writeEndElement(); // CdOrPrtry
            m_xml.writeEndElement(); // Tp
            m_xml.writeTextElement(u"Ref"_s,
                                   joinedReference(order[F::RecipientModel], order[F::RecipientReference]));
            m_xml.writeEndElement(); // CdtrRefInf
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
    const BankOrders &m_orders;
    const Options &m_options;
};

// A problem's message that names its field: "Naziv primatelja: znak '&' nije dopušten ...".
QString namedProblem(const Hub3aProblem &problem)
{
    QString label = hub3aField(problem.field).label();
    if (problem.message.startsWith(label, Qt::CaseInsensitive))
        return problem.message;
    label[0] = label[0].toUpper();
    return label + u": "_s + problem.message;
}

QString groupKey(const Hub3aRecord &record, QDate date)
{
    QString key;
    for (F field : {F::PayerIban, F::PayerName, F::PayerStreet, F::PayerPlace})
        key += (field == F::PayerIban ? compactIban(record[field]) : record[field]) + u'\x1f';
    return key + date.toString(Qt::ISODate) + (record.urgent() ? u"H"_s : u"N"_s);
}

} // namespace

QString namespaceUri(Schema schema, bool instant)
{
    if (schema == Schema::Iso)
        return u"urn:iso:std:iso:20022:tech:xsd:pain.001.001.09"_s;
    return instant ? u"urn:iso:std:iso:20022:tech:xsd:sctinsthr:pain.001.001.09"_s
                   : u"urn:iso:std:iso:20022:tech:xsd:scthr:pain.001.001.09"_s;
}

QString nextMessageId(const SettingsStore &settings, QDate day)
{
    const QString dayText = day.toString(u"yyyyMMdd"_s);
    int count = 0;
    if (settings.ReadSetting(u"BankFileDay"_s) == dayText)
        count = settings.ReadSetting(u"BankFileCount"_s).toInt();
    if (count >= largestDailyCount)
        throw UserError(u"Danas je već napravljeno %1 datoteka naloga za banku; oznaka poruke "
                        "UNggggmmddnnnn ne može se ponoviti"_s.arg(largestDailyCount));
    ++count;
    settings.WriteSetting(u"BankFileDay"_s, dayText);
    settings.WriteSetting(u"BankFileCount"_s, QString::number(count));
    return u"UN%1%2"_s.arg(dayText).arg(count, 4, 10, QChar(u'0'));
}

QString suggestedFileName(const QString &messageId)
{
    if (messageId.size() == 14 && messageId.startsWith("UN"_L1))
        return u"UN.%1.%2.xml"_s.arg(messageId.mid(2, 8), messageId.mid(10, 4));
    return messageId + u".xml"_s;
}

Options optionsNow(const Clock &clock, const SettingsStore &settings, Schema schema, bool instant)
{
    Options options;
    options.schema = schema;
    options.instant = instant;
    options.created = clock.now();
    options.today = options.created.date();
    options.messageId = nextMessageId(settings, options.today);
    return options;
}

QList<Hub3aProblem> orderProblems(const Hub3aRecord &record, const Options &options)
{
    // A reference without a model goes to the bank under HR00 (the guide: "Ako se popunjava poziv na
    // broj bez modela, obavezno se popunjava model HR00"), and is checked as that.
    Hub3aRecord checked = record;
    for (const auto &[model, reference] : {std::pair{F::PayerModel, F::PayerReference},
                                           std::pair{F::RecipientModel, F::RecipientReference}}) {
        if (checked[model].isEmpty() && !checked[reference].isEmpty())
            checked.texts[static_cast<size_t>(model)] = u"HR00"_s;
    }
    QList<Hub3aProblem> problems = hub3aSlipProblems(checked);
    const auto hasProblem = [&problems](F field) {
        return std::any_of(problems.begin(), problems.end(),
                           [field](const Hub3aProblem &problem) { return problem.field == field; });
    };
    const auto add = [&](F field, const QString &message) {
        if (!hasProblem(field))
            problems.append({field, message});
    };
    const QString payerIban = compactIban(record[F::PayerIban]);
    if (payerIban.isEmpty())
        add(F::PayerIban, u"obavezan je u nalogu za banku"_s);
    else if (!croatianIban(payerIban))
        add(F::PayerIban, u"mora biti hrvatski IBAN (HR)"_s);
    if (record[F::PayerName].trimmed().isEmpty())
        add(F::PayerName, u"obavezan je u nalogu za banku"_s);
    if (const std::optional<qint64> cents = hub3aAmountCents(record[F::Amount]); cents && *cents > largestCents)
        add(F::Amount, u"u nalogu za banku od 0,01 do 999.999.999,99"_s);
    if (record[F::Description].trimmed().isEmpty())
        add(F::Description, u"obavezan je u nalogu za banku"_s);
    if (const QString &purpose = record[F::PurposeCode]; !purpose.isEmpty() && purpose.size() != 4)
        add(F::PurposeCode, u"ima četiri slova (npr. OTHR)"_s);
    if (const QDate date = executionDate(record, options); date.isValid() && date < options.today)
        add(F::ExecutionDate, u"%1 je prošao"_s.arg(date.toString(u"dd.MM.yyyy."_s)));
    for (F field : textFields) {
        if (const QString problem = bankTextProblem(record[field]); !problem.isEmpty())
            add(field, problem);
    }
    if (!record[F::PayerStreet].trimmed().isEmpty() && record[F::PayerPlace].trimmed().isEmpty())
        add(F::PayerPlace, u"obavezno je uz ulicu platitelja (adresa u nalogu za banku)"_s);
    if (!record[F::RecipientStreet].trimmed().isEmpty() && record[F::RecipientPlace].trimmed().isEmpty())
        add(F::RecipientPlace, u"obavezno je uz ulicu primatelja (adresa u nalogu za banku)"_s);
    if (const QString iban = compactIban(record[F::RecipientIban]); !iban.isEmpty() && !croatianIban(iban)) {
        // Cross-border: no Croatian letters, and no reference under a Croatian model.
        for (F field : {F::RecipientName, F::RecipientStreet, F::RecipientPlace, F::Description}) {
            if (hasCroatianLetters(record[field]))
                add(field, u"slova č ć đ š ž nisu dopuštena za primatelja izvan Hrvatske"_s);
        }
        if (!record[F::RecipientReference].isEmpty())
            add(F::RecipientReference, u"poziv na broj s modelom HR vrijedi samo za hrvatski IBAN primatelja"_s);
    }
    return problems;
}

namespace {

// The orders checked and grouped: what write() needs before the first byte.
struct Plan
{
    Result result;
    std::vector<Group> groups;
    bool rowsUnique = true; // InstrId by the order's row, or by its place where rows repeat
};

Plan planFile(const BankOrders &orders, const Options &options)
{
    Plan plan;
    Result &result = plan.result;
    std::vector<Group> &groups = plan.groups;
    QHash<QString, size_t> groupOf;
    QSet<int> rows;
    bool &rowsUnique = plan.rowsUnique;
    for (qsizetype index = 0; index < orders.size(); ++index) {
        const Hub3aRecord &record = orders.record(index);
        const QList<Hub3aProblem> problems = orderProblems(record, options);
        if (!problems.isEmpty()) {
            for (const Hub3aProblem &problem : problems)
                result.refused.append({orders.row(index), problem.field, namedProblem(problem)});
            continue;
        }
        const QDate date = executionDate(record, options);
        const QString key = groupKey(record, date);
        auto found = groupOf.find(key);
        if (found == groupOf.end()) {
            found = groupOf.insert(key, groups.size());
            groups.push_back({index, date, record.urgent(), 0, {}});
        }
        Group &group = groups[found.value()];
        const qint64 cents = hub3aAmountCents(record[F::Amount]).value_or(0);
        group.cents += cents;
        group.orders.push_back(index);
        result.totalCents += cents;
        ++result.written;
        if (rowsUnique && (rows.contains(orders.row(index)) || orders.row(index) <= 0))
            rowsUnique = false;
        rows.insert(orders.row(index));
    }
    result.groups = static_cast<int>(groups.size());
    return plan;
}

} // namespace

QList<OrderProblem> check(const BankOrders &orders, const Options &options)
{
    QList<OrderProblem> refused;
    for (qsizetype index = 0; index < orders.size(); ++index) {
        for (const Hub3aProblem &problem : orderProblems(orders.record(index), options))
            refused.append({orders.row(index), problem.field, namedProblem(problem)});
    }
    return refused;
}

Result write(QIODevice &device, const BankOrders &orders, const Options &options)
{
    const Plan plan = planFile(orders, options);
    if (!plan.groups.empty())
        FileWriter(device, orders, options).write(plan.groups, plan.rowsUnique, plan.result.written,
                                                  plan.result.totalCents);
    return plan.result;
}

Result save(const QString &path, const BankOrders &orders, const Options &options)
{
    const Plan plan = planFile(orders, options);
    if (!plan.groups.empty()) {
        TextFile::writeAtomicallyWith(path, [&](QIODevice &device) {
            FileWriter(device, orders, options).write(plan.groups, plan.rowsUnique, plan.result.written,
                                                      plan.result.totalCents);
        });
    }
    return plan.result;
}

} // namespace Pain001
