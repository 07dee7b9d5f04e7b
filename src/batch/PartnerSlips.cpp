#include "batch/PartnerSlips.h"

#include "partners/PartnerEntry.h"
#include "payments/AccountCheck.h"
#include "payments/ReferenceModels.h"

#include <QRegularExpression>

namespace {

using F = Hub3aField;

// The payer fields one partner gives, each with its text as the partner holds it, as the HUB-3A
// tab takes a partner for its recipient: lines past the third join the place, a reference without
// a model keeps base's model, no reference leaves none.
QList<std::pair<F, QString>> payerTexts(const QString &entry, const Hub3aRecord &base,
                                        QList<RowProblem> &problems, int row)
{
    const PartnerParts parts = SplitPartner(entry);
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r|\v"));
    QStringList lines = parts.name.split(lineBreak, Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.simplified();
    lines.removeAll(QString());
    QList<std::pair<F, QString>> texts{{F::PayerName, lines.value(0)},
                                       {F::PayerStreet, lines.value(1)},
                                       {F::PayerPlace, lines.mid(2).join(u' ')}};

    const QString account = parts.account.trimmed();
    const QString iban = account.isEmpty() ? QString() : checkAccount(account).iban;
    if (!account.isEmpty() && iban.isEmpty())
        problems.append(
            {row, hub3aColumn(F::PayerIban), QStringLiteral("Račun partnera nije IBAN: %1").arg(account)});
    texts.append({F::PayerIban, iban});

    const QString reference = parts.reference.trimmed();
    const qsizetype space = reference.indexOf(u' ');
    if (space < 0) {
        texts.append({F::PayerModel, reference.isEmpty() ? QString() : base[F::PayerModel]});
        texts.append({F::PayerReference, reference});
        return texts;
    }
    const QString model = reference.left(space);
    const std::optional<int> modelNumber = parseModel(model);
    texts.append({F::PayerModel, modelNumber ? modelName(*modelNumber) : model});
    texts.append({F::PayerReference, reference.mid(space + 1).simplified().replace(u' ', u'-')});
    return texts;
}

} // namespace

Hub3aTable partnerSlips(const QStringList &entries, const Hub3aRecord &base)
{
    Hub3aTable table;
    table.rowCount = static_cast<int>(entries.size());
    for (int row = 1; row <= entries.size(); ++row) {
        Hub3aRecord record = base;
        QList<RowProblem> problems;
        for (const auto &[field, text] : payerTexts(entries[row - 1], base, problems, row)) {
            const Hub3aCell cell = readHub3aCell(field, text);
            if (!cell.problem.isEmpty())
                problems.append({row, hub3aColumn(field), cell.problem});
            else
                record.texts[static_cast<size_t>(field)] = cell.text;
        }
        if (problems.isEmpty())
            problems = checkSlip(row, record);
        if (problems.isEmpty())
            table.slips.append({row, record});
        else
            table.problems += problems;
    }
    return table;
}
