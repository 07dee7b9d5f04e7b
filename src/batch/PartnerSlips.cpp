#include "batch/PartnerSlips.h"

#include "model/TextFile.h"
#include "partners/PartnerEntry.h"
#include "payments/AccountCheck.h"
#include "payments/ReferenceModels.h"

#include <QRegularExpression>

namespace {

using F = Hub3aField;

// The payer fields one partner gives, each with its text as the partner holds it.
QList<std::pair<F, QString>> payerTexts(const QString &entry, QList<RowProblem> &problems, int row)
{
    const PartnerParts parts = SplitPartner(entry);
    QList<std::pair<F, QString>> texts;
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    const QStringList lines = memoFromOneLine(parts.name).split(lineBreak, Qt::SkipEmptyParts);
    const F lineFields[] = {F::PayerName, F::PayerStreet, F::PayerPlace};
    for (qsizetype i = 0; i < 3; ++i)
        texts.append({lineFields[i], lines.value(i)});
    if (lines.size() > 3)
        problems.append(
            {row, hub3aColumn(F::PayerPlace), QStringLiteral("Naziv partnera ima više od tri retka")});

    const QString account = parts.account.trimmed();
    const QString iban = account.isEmpty() ? QString() : checkAccount(account).iban;
    if (!account.isEmpty() && iban.isEmpty())
        problems.append(
            {row, hub3aColumn(F::PayerIban), QStringLiteral("Račun partnera nije IBAN: %1").arg(account)});
    texts.append({F::PayerIban, iban});

    const QString reference = parts.reference.trimmed();
    const qsizetype space = reference.indexOf(u' ');
    const std::optional<int> model = parseModel(space < 0 ? reference : reference.left(space));
    if (!reference.isEmpty() && !model)
        problems.append({row, hub3aColumn(F::PayerModel),
                         QStringLiteral("Poziv na broj partnera nema model: %1").arg(reference)});
    texts.append({F::PayerModel, model ? modelName(*model) : QString()});
    texts.append({F::PayerReference, model && space >= 0 ? reference.mid(space + 1).trimmed() : QString()});
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
        for (const auto &[field, text] : payerTexts(entries[row - 1], problems, row)) {
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
