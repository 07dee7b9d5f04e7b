#include "payments/Hub3aChecks.h"

#include "payments/AccountCheck.h"
#include "payments/Iban.h"
#include "payments/PurposeCodes.h"
#include "payments/ReferenceCheck.h"

#include "model/UserError.h"

#include <QRegularExpression>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

using F = Hub3aField;

constexpr PaymentField paymentFieldTable[] = {
    {"payerAccount", "payerIban", nullptr},
    {"payerReference", "payerReference", "payerModel"},
    {"recipientAccount", "recipientIban", nullptr},
    {"recipientReference", "recipientReference", "recipientModel"},
};

F fieldNamed(QLatin1StringView name)
{
    for (const Hub3aFieldSpec &fieldEntry : hub3aFields()) {
        if (fieldEntry.name() == name)
            return fieldEntry.field;
    }
    throw std::logic_error("no HUB-3A field " + std::string(name.data(), static_cast<size_t>(name.size())));
}

const QString &textOf(const Hub3aRecord &record, const char *name)
{
    return record[fieldNamed(QLatin1StringView(name))];
}

} // namespace

std::span<const PaymentField> hub3aPaymentFields()
{
    return paymentFieldTable;
}

Hub3aField hub3aFieldOf(const PaymentField &field)
{
    return fieldNamed(field.fieldName());
}

CheckResult checkHub3aIban(const QString &text, Hub3aUse use)
{
    const QString trimmed = text.trimmed();
    static const QRegularExpression oldAccount(QStringLiteral("^([0-9]{7})-?([0-9]{10})$"));
    const QRegularExpressionMatch match = oldAccount.match(trimmed);
    if (match.hasMatch()) {
        const CheckResult old = checkAccount(match.captured(1) + u'-' + match.captured(2));
        if (old.failed())
            return CheckResult::invalid(QStringLiteral("nije IBAN, ni ispravan stari račun"));
        return CheckResult::invalid(QStringLiteral("stari račun nije IBAN; njegov IBAN je %1").arg(old.iban));
    }
    const CheckResult checked = checkAccount(trimmed);
    if (checked.status == CheckStatus::Unchecked)
        return CheckResult::invalid(QStringLiteral("nije IBAN"));
    if (checked.checkDigitsWrong)
        return CheckResult::wrongCheckDigits(QStringLiteral("IBAN nije ispravan (kontrolni broj)"));
    if (const QString problem = hub3aSlipIbanProblem(checked.iban); use == Hub3aUse::Slip && !problem.isEmpty())
        return CheckResult::invalid(problem);
    return checked;
}

CheckResult checkHub3aPaymentField(const PaymentField &field, const QString &text, const QString &model,
                                   Hub3aUse use)
{
    // The model as the slip takes it: digits typed for it stand for the model ("01" is HR01).
    return field.isReference() ? checkReference(completedHub3aModel(model), text) : checkHub3aIban(text, use);
}

CheckResult checkHub3aPaymentField(const PaymentField &field, const QString &text, const QString &model)
{
    return checkHub3aPaymentField(field, text, model, Hub3aUse::Slip);
}

QList<CheckedField> checkHub3aRecord(const Hub3aRecord &record)
{
    QList<CheckedField> checked;
    for (const PaymentField &field : hub3aPaymentFields()) {
        const QString &text = textOf(record, field.field);
        const QString model = field.isReference() ? textOf(record, field.modelField) : QString();
        const QString value = field.isReference() ? (model + u' ' + text).trimmed() : text;
        checked.append({QString::fromLatin1(field.name), value, checkHub3aPaymentField(field, text, model)});
    }
    return checked;
}

// The key under which checkHub3aSlip lists a field.
QString checkedKey(F field)
{
    if (field == F::PayerIban)
        return QStringLiteral("payerAccount");
    if (field == F::RecipientIban)
        return QStringLiteral("recipientAccount");
    return hub3aField(field).name();
}

QList<CheckedField> checkHub3aSlip(const Hub3aRecord &record)
{
    QList<CheckedField> checked = checkHub3aRecord(record);
    const QString name = record[F::RecipientName];
    checked.insert(2, {QStringLiteral("recipientName"), name,
                       name.isEmpty() ? CheckResult::empty() : CheckResult::valid(QString())});
    const QString amount = record[F::Amount];
    const std::optional<qint64> cents = hub3aAmountCents(amount);
    checked.append({QStringLiteral("amount"), amount,
                    cents ? CheckResult::valid(hub3aAmountText(*cents) + QStringLiteral(" EUR"))
                          : CheckResult::invalid(hub3aFieldProblem(F::Amount, amount))});
    // Whatever else the one check finds marks its field too, listed after these when it is not.
    for (const Hub3aProblem &problem : hub3aSlipProblems(record)) {
        const QString key = checkedKey(problem.field);
        const auto listed = std::find_if(checked.begin(), checked.end(),
                                         [&key](const CheckedField &field) { return field.name == key; });
        if (listed == checked.end())
            checked.append({key, record[problem.field], CheckResult::invalid(problem.message)});
        else if (!listed->result.failed() || problem.rule == Hub3aRule::Missing)
            listed->result = CheckResult::invalid(problem.message);
    }
    return checked;
}

QList<Hub3aProblem> hub3aSlipProblems(const Hub3aRecord &record, Hub3aUse use)
{
    QList<Hub3aProblem> problems = hub3aFieldProblems(record);
    const auto hasProblem = [&problems](F field) {
        return std::any_of(problems.begin(), problems.end(),
                           [field](const Hub3aProblem &problem) { return problem.field == field; });
    };
    for (const Hub3aProblem &missing : hub3aMissingFields(record)) {
        if (!hasProblem(missing.field))
            problems.append(missing);
    }
    for (const PaymentField &field : hub3aPaymentFields()) {
        const F checkedField = hub3aFieldOf(field);
        // A reference is checked under its model only when the model keeps its own rule.
        if (field.isReference() && hasProblem(fieldNamed(QLatin1StringView(field.modelField))))
            continue;
        const QString model = field.isReference() ? textOf(record, field.modelField) : QString();
        const CheckResult result = checkHub3aPaymentField(field, record[checkedField], model, use);
        if (result.failed() && !hasProblem(checkedField))
            problems.append({checkedField, field.isReference() ? Hub3aRule::Reference : Hub3aRule::Account,
                             result.message});
    }
    if (const QString &purpose = record[F::PurposeCode];
        !purpose.isEmpty() && !hasProblem(F::PurposeCode) && !isIsoPurposeCode(purpose))
        problems.append({F::PurposeCode, Hub3aRule::Purpose, hub3aPurposeCodeProblem()});
    return problems;
}

QString hub3aPurposeCodeProblem()
{
    return QStringLiteral("Nije šifra namjene s popisa ISO 20022 (npr. OTHR, SALA)");
}

bool hub3aSlipCanPay(const Hub3aRecord &record, Hub3aUse use)
{
    return hub3aSlipProblems(record, use).isEmpty();
}

void requireHub3aSlipCanPay(const Hub3aRecord &record, const QString &lead)
{
    if (const QList<Hub3aProblem> problems = hub3aSlipProblems(record); !problems.isEmpty())
        throw UserError(lead + hub3aProblemsText(problems));
}
