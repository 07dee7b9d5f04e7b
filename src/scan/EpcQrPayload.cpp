#include "scan/EpcQrPayload.h"

#include "model/Hub3aRules.h"
#include "payments/CreditorReference.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

// Lines of the payload, counted from 1.
enum EpcLine {
    Service = 1,
    Version,
    Charset,
    Identification,
    Bic,
    Name,
    Iban,
    Amount,
    Purpose,
    Reference,
    Text
};
constexpr int maxLines = 12;

QString lineProblem(int line, const QString &message)
{
    return u"Redak %1: %2"_s.arg(line).arg(message);
}

// "EUR12.34" in cents, or nothing when it is not an amount in euro from 0,01 to 999.999.999,99.
std::optional<qint64> euroCents(const QString &text)
{
    static const QRegularExpression amount(u"^EUR([0-9]{1,9})(?:\\.([0-9]{1,2}))?$"_s);
    const QRegularExpressionMatch match = amount.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 cents =
        match.captured(1).toLongLong() * 100 + match.captured(2).leftJustified(2, u'0').toLongLong();
    return cents > 0 ? std::optional(cents) : std::nullopt;
}

// Sets a text field to what it keeps of text and notes when that is not all of it.
void setFitted(Hub3aRecord &record, Hub3aField field, const QString &text, QStringList &notes)
{
    record.setFitted(field, text);
    record.set(field, record[field].trimmed());
    if (record[field] != text)
        notes.append(u"%1 prilagođen nalogu HUB-3A (u kodu: '%2')"_s.arg(hub3aField(field).label(), text));
}

} // namespace

bool isEpcQrPayload(const QByteArray &bytes)
{
    return bytes.startsWith("BCD\n") || bytes.startsWith("BCD\r\n");
}

PayloadReading readEpcQrPayload(const QByteArray &bytes)
{
    const std::optional<QString> text = strictUtf8(bytes);
    if (!text)
        return PayloadReading::refused(u"EPC QR kod nije zapisan u UTF-8"_s);
    QStringList lines = payloadLines(*text);
    for (QString &line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    if (lines.size() < Iban || lines.size() > maxLines)
        return PayloadReading::refused(u"EPC QR kod ima %1 redaka (od 7 do 12)"_s.arg(lines.size()));
    while (lines.size() < maxLines)
        lines.append(QString());
    const auto at = [&lines](int line) { return lines[line - 1].trimmed(); };
    if (at(Service) != "BCD"_L1)
        return PayloadReading::refused(lineProblem(Service, u"Oznaka nije BCD"_s));
    if (at(Version) != "001"_L1 && at(Version) != "002"_L1)
        return PayloadReading::refused(
            lineProblem(Version, u"Inačica '%1' nije 001 ni 002"_s.arg(at(Version))));
    if (at(Charset) != "1"_L1)
        return PayloadReading::refused(lineProblem(Charset, u"Skup znakova nije 1 (UTF-8)"_s));
    if (at(Identification) != "SCT"_L1)
        return PayloadReading::refused(lineProblem(Identification, u"Vrsta naloga nije SCT"_s));
    if (at(Name).isEmpty() || at(Name).size() > 70)
        return PayloadReading::refused(
            lineProblem(Name, u"Naziv primatelja je prazan ili dulji od 70 znakova"_s));
    if (!at(Reference).isEmpty() && !at(Text).isEmpty())
        return PayloadReading::refused(lineProblem(Text, u"Uz strukturiranu referencu ne ide i tekst"_s));

    Hub3aRecord record;
    QStringList notes;
    setFitted(record, Hub3aField::RecipientName, at(Name), notes);
    QString iban = at(Iban);
    iban.remove(u' ');
    if (const QString problem = hub3aFieldProblem(Hub3aField::RecipientIban, iban);
        iban.isEmpty() || !problem.isEmpty())
        return PayloadReading::refused(
            lineProblem(Iban, u"IBAN primatelja: %1"_s.arg(problem.isEmpty() ? u"Nedostaje"_s : problem)));
    record.set(Hub3aField::RecipientIban, iban);
    if (!at(Amount).isEmpty()) {
        const std::optional<qint64> cents = euroCents(at(Amount));
        if (!cents)
            return PayloadReading::refused(
                lineProblem(Amount, u"Iznos '%1' nije iznos u eurima"_s.arg(at(Amount))));
        record.set(Hub3aField::Amount, hub3aAmountText(*cents));
    }
    if (const QString problem = hub3aFieldProblem(Hub3aField::PurposeCode, at(Purpose)); !problem.isEmpty())
        return PayloadReading::refused(lineProblem(Purpose, u"Šifra namjene: %1"_s.arg(problem)));
    record.set(Hub3aField::PurposeCode, at(Purpose));
    record.set(Hub3aField::RecipientModel, u"HR99"_s);
    if (!at(Reference).isEmpty() && checkCreditorReference(at(Reference)).status != CheckStatus::Valid)
        notes.append(u"Referenca '%1' nije ispravna RF referenca"_s.arg(at(Reference)));
    setFitted(record, Hub3aField::Description, at(Reference).isEmpty() ? at(Text) : at(Reference), notes);
    return {record, QString(), notes};
}
