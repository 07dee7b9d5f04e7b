#include "model/Hub3aRules.h"

#include "model/Hub3aDate.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace {

using F = Hub3aField;

// The characters of text that field does not take as they are, each once.
QString refusedCharacters(F field, const QString &text)
{
    const Hub3aCharset charset = hub3aField(field).charset;
    QString refused;
    for (QChar ch : text) {
        if (!hub3aAccepts(charset, ch) && !refused.contains(ch))
            refused += ch;
    }
    return refused;
}

// The problem of a coded field's text that is not in the field's form, or nothing.
std::optional<QString> formProblem(F field, const QString &text)
{
    switch (field) {
    case F::Amount:
        if (!hub3aAmountCents(text))
            return QStringLiteral("Iznos nije iznos u eurima u obliku 1.234,56");
        return QString();
    case F::ExecutionDate:
        if (!hub3aDate(text).isValid())
            return QStringLiteral("Datum izvršenja nije datum u obliku DDMMGGGG");
        return QString();
    case F::Urgent:
        return text == u"1" ? QString() : QStringLiteral("Hitno je 1 ili prazno");
    case F::PayerModel:
    case F::RecipientModel: {
        static const QRegularExpression model(QStringLiteral("^HR[0-9]{2}$"));
        return model.match(text).hasMatch() ? QString()
                                            : QStringLiteral("Model je HR i dvije znamenke (HR01)");
    }
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<Hub3aProblem> hub3aFieldRuleProblem(Hub3aField field, const QString &text)
{
    using R = Hub3aRule;
    if (text.isEmpty())
        return std::nullopt;
    if (text.contains(u'\n') || text.contains(u'\r') || text.contains(u'\v'))
        return Hub3aProblem{field, R::Lines, QStringLiteral("Polje ima više redaka")};
    if (const std::optional<QString> problem = formProblem(field, text)) {
        if (problem->isEmpty())
            return std::nullopt;
        return Hub3aProblem{field, R::Form, *problem};
    }
    const int maxLength = hub3aField(field).maxLength;
    if (text.size() > maxLength)
        return Hub3aProblem{field, R::Length, QStringLiteral("Dulje od %1 znakova").arg(maxLength)};
    const QString refused = refusedCharacters(field, text);
    if (!refused.isEmpty())
        return Hub3aProblem{field, R::Characters, QStringLiteral("Nedopušteni znakovi: ") + refused};
    return std::nullopt;
}

QString hub3aSlipIbanProblem(const QString &iban)
{
    if (iban.size() <= hub3aSlipIbanLength)
        return QString();
    return QStringLiteral("uplatnica plaća samo račune u Hrvatskoj (IBAN od 21 znaka, ovaj ima %1); račun u "
                          "inozemstvu plaća se nalogom za banku")
        .arg(iban.size());
}

QString hub3aFieldProblem(Hub3aField field, const QString &text)
{
    const std::optional<Hub3aProblem> problem = hub3aFieldRuleProblem(field, text);
    return problem ? problem->message : QString();
}

QList<Hub3aProblem> hub3aFieldProblems(const Hub3aRecord &record)
{
    QList<Hub3aProblem> problems;
    for (const Hub3aFieldSpec &fieldEntry : hub3aFields()) {
        if (std::optional<Hub3aProblem> problem =
                hub3aFieldRuleProblem(fieldEntry.field, record[fieldEntry.field]))
            problems.append(std::move(*problem));
    }
    return problems;
}

QList<Hub3aProblem> hub3aMissingFields(const Hub3aRecord &record)
{
    QList<Hub3aProblem> missing;
    if (record[F::RecipientName].trimmed().isEmpty())
        missing.append(
            {F::RecipientName, Hub3aRule::Missing, QStringLiteral("Naziv primatelja je obavezan")});
    if (record[F::RecipientIban].trimmed().isEmpty())
        missing.append({F::RecipientIban, Hub3aRule::Missing, QStringLiteral("IBAN primatelja je obavezan")});
    if (hub3aAmountCents(record[F::Amount]).value_or(1) == 0)
        missing.append({F::Amount, Hub3aRule::Missing, QStringLiteral("Iznos je obavezan, najmanje 0,01")});
    return missing;
}

QString completedHub3aModel(const QString &text)
{
    static const QRegularExpression shortModel(QStringLiteral("^(?:HR)?([0-9]{1,2})$"),
                                               QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = shortModel.match(text);
    if (!match.hasMatch())
        return text;
    return QStringLiteral("HR") + match.captured(1).rightJustified(2, u'0');
}

QString typedHub3aAmount(const QString &text)
{
    static const QRegularExpression keypadDecimals(QStringLiteral("^[0-9]*\\.[0-9]{1,2}$"));
    if (!keypadDecimals.match(text).hasMatch())
        return text;
    return QString(text).replace(u'.', u',');
}

QString hub3aProblemLine(const Hub3aProblem &problem)
{
    if (problem.rule == Hub3aRule::Missing)
        return problem.message;
    return hub3aField(problem.field).label() + QStringLiteral(": ") + problem.message;
}

QString hub3aProblemsText(const QList<Hub3aProblem> &problems)
{
    QStringList lines;
    for (const Hub3aProblem &problem : problems)
        lines.append(hub3aProblemLine(problem));
    return lines.join(u'\n');
}
