#include "bankfile/Pain001Checks.h"

#include "bankfile/BankText.h"
#include "model/Hub3aDate.h"
#include "payments/CreditorReference.h"
#include "payments/Hub3aChecks.h"
#include "payments/Iban.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Pain001 {

namespace {

using F = Hub3aField;

constexpr qint64 largestCents = 99'999'999'999; // 999.999.999,99 (the guide's SEPA limit)

// The texts the guide's character rules cover.
constexpr F textFields[] = {F::PayerName,       F::PayerStreet,    F::PayerPlace, F::RecipientName,
                            F::RecipientStreet, F::RecipientPlace, F::Description};

// A part of an address as the file writes it, with the slip's field it comes from and its name for
// the clerk.
struct AddressPart
{
    F field;
    QString name;
    QString text;
};

QList<AddressPart> addressParts(const PostalAddress &address, F street, F place)
{
    QList<AddressPart> parts;
    for (const AddressPart &part : {AddressPart{street, u"naziv ulice"_s, address.streetName},
                                    AddressPart{street, u"kućni broj"_s, address.buildingNo},
                                    AddressPart{place, u"poštanski broj"_s, address.postCode},
                                    AddressPart{place, u"naziv mjesta"_s, address.townName}}) {
        if (!part.text.isEmpty())
            parts.append(part);
    }
    return parts;
}

// A problem's message that names its field: "Naziv primatelja: znak '&' nije dopušten ...".
QString namedProblem(const Hub3aProblem &problem)
{
    QString line = hub3aProblemLine(problem);
    line[0] = line[0].toUpper();
    return line;
}

} // namespace

bool croatianIban(const QString &iban)
{
    return compactIban(iban).startsWith("HR"_L1);
}

bool crossBorder(const Hub3aRecord &record)
{
    const QString iban = compactIban(record[F::RecipientIban]);
    return !iban.isEmpty() && !croatianIban(iban);
}

QString bankModel(const QString &model, const QString &reference)
{
    const QString completed = completedHub3aModel(model.trimmed());
    if (!completed.isEmpty())
        return completed;
    // The guide: "Ako se popunjava poziv na broj bez modela, obavezno se popunjava model HR00", and
    // HR99 where neither is given.
    return reference.trimmed().isEmpty() ? u"HR99"_s : u"HR00"_s;
}

QString bankReference(const QString &model, const QString &reference)
{
    return bankModel(model, reference) + reference.trimmed();
}

QString creditorReference(const Hub3aRecord &order)
{
    if (bankModel(order[F::RecipientModel], order[F::RecipientReference]) != "HR99"_L1)
        return QString();
    const CheckResult check = checkCreditorReference(order[F::Description].trimmed());
    return check.status == CheckStatus::Valid ? check.message : QString();
}

PostalAddress partyAddress(const Hub3aRecord &record, Party party)
{
    const bool payer = party == Party::Payer;
    const QString iban = compactIban(record[payer ? F::PayerIban : F::RecipientIban]);
    return splitPostalAddress(record[payer ? F::PayerStreet : F::RecipientStreet],
                              record[payer ? F::PayerPlace : F::RecipientPlace], iban.left(2));
}

QDate executionDate(const Hub3aRecord &record, const Options &options)
{
    const QString text = record[F::ExecutionDate];
    return text.isEmpty() ? options.today : hub3aDate(text);
}

OrderProblem rowProblem(int row, const Hub3aProblem &problem)
{
    return {row, problem.field, namedProblem(problem)};
}

QList<Hub3aProblem> orderProblems(const Hub3aRecord &record, const Options &options)
{
    // A reference without a model goes to the bank under HR00 (bankModel), and is checked as that.
    Hub3aRecord checked = record;
    for (const auto &[model, reference] :
         {std::pair{F::PayerModel, F::PayerReference}, std::pair{F::RecipientModel, F::RecipientReference}}) {
        if (checked[model].isEmpty() && !checked[reference].isEmpty())
            checked.set(model, bankModel(checked[model], checked[reference]));
    }
    QList<Hub3aProblem> problems = hub3aSlipProblems(checked, Hub3aUse::BankOrder);
    const auto hasProblem = [&problems](F field) {
        return std::any_of(problems.begin(), problems.end(),
                           [field](const Hub3aProblem &problem) { return problem.field == field; });
    };
    const auto add = [&](F field, const QString &message) {
        if (!hasProblem(field))
            problems.append({field, Hub3aRule::Bank, message});
    };
    const QString payerIban = compactIban(record[F::PayerIban]);
    if (payerIban.isEmpty())
        add(F::PayerIban, u"obavezan je u nalogu za banku"_s);
    else if (!croatianIban(payerIban))
        add(F::PayerIban, u"mora biti hrvatski IBAN (HR)"_s);
    if (record[F::PayerName].trimmed().isEmpty())
        add(F::PayerName, u"obavezan je u nalogu za banku"_s);
    if (const std::optional<qint64> cents = hub3aAmountCents(record[F::Amount]);
        cents && *cents > largestCents)
        add(F::Amount, u"u nalogu za banku od 0,01 do 999.999.999,99"_s);
    if (record[F::Description].trimmed().isEmpty())
        add(F::Description, u"obavezan je u nalogu za banku"_s);
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
    for (const auto &[party, street, place] : {std::tuple{Party::Payer, F::PayerStreet, F::PayerPlace},
                                               std::tuple{Party::Recipient, F::RecipientStreet, F::RecipientPlace}}) {
        for (const AddressPart &part : addressParts(partyAddress(record, party), street, place)) {
            if (const QString problem = bankTextProblem(part.text); !problem.isEmpty())
                add(part.field, u"%1 '%2' %3"_s.arg(part.name, part.text, problem));
        }
    }
    if (crossBorder(record)) {
        // Cross-border: the recipient's town and country, no Croatian letters, and no reference
        // under a Croatian model.
        if (partyAddress(record, Party::Recipient).townName.isEmpty())
            add(F::RecipientPlace, u"obavezno je za primatelja izvan Hrvatske (mjesto i država)"_s);
        for (F field : {F::RecipientName, F::RecipientStreet, F::RecipientPlace, F::Description}) {
            if (hasCroatianLetters(record[field]))
                add(field, u"slova č ć đ š ž nisu dopuštena za primatelja izvan Hrvatske"_s);
        }
        if (!record[F::RecipientReference].isEmpty())
            add(F::RecipientReference,
                u"poziv na broj s modelom HR vrijedi samo za hrvatski IBAN primatelja"_s);
    }
    return problems;
}

QList<OrderProblem> check(const BankOrders &orders, const Options &options)
{
    QList<OrderProblem> refused;
    for (qsizetype index = 0; index < std::ssize(orders); ++index) {
        for (const Hub3aProblem &problem : orderProblems(orders[index].record, options))
            refused.append(rowProblem(orders[index].row, problem));
    }
    return refused;
}

} // namespace Pain001
