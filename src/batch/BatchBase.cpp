#include "batch/BatchBase.h"

#include "model/Hub3aFields.h"
#include "model/Hub3aParty.h"

namespace {

using F = Hub3aField;

QList<F> fieldsOf(Hub3aSide side)
{
    const std::array<F, 6> fields = hub3aPartyFields(side).all();
    return {fields.begin(), fields.end()};
}

const QList<F> payerFields = fieldsOf(Hub3aSide::Payer);
const QList<F> recipientFields = fieldsOf(Hub3aSide::Recipient);

} // namespace

const QList<Hub3aField> &hub3aPayerFields()
{
    return payerFields;
}

const QList<Hub3aField> &hub3aRecipientFields()
{
    return recipientFields;
}

Hub3aRecord baseForColumns(Hub3aRecord base, const QList<Hub3aField> &columns)
{
    for (const QList<F> *party : {&payerFields, &recipientFields}) {
        if (columns.contains(party->first())) {
            for (const F field : *party)
                base.texts[static_cast<size_t>(field)].clear();
        }
    }
    return base;
}

QList<Hub3aField> fieldsFromBase(const Hub3aRecord &base, const QList<Hub3aField> &columns)
{
    const Hub3aRecord taken = baseForColumns(base, columns);
    QList<F> fields;
    for (int i = 0; i < hub3aFieldCount; ++i) {
        const F field = static_cast<F>(i);
        if (!columns.contains(field) && !taken[field].trimmed().isEmpty())
            fields.append(field);
    }
    return fields;
}

QString hub3aFieldLabels(const QList<Hub3aField> &fields)
{
    QStringList labels;
    for (const F field : fields)
        labels.append(hub3aField(field).label());
    return labels.join(QStringLiteral(", "));
}

QString pastExecutionDateProblem(const QString &date, const QDate &today)
{
    const QDate day = QDate::fromString(date, QStringLiteral("ddMMyyyy"));
    if (!today.isValid() || !day.isValid() || day >= today)
        return {};
    return QStringLiteral("Datum izvršenja %1 je prošao").arg(day.toString(QStringLiteral("dd.MM.yyyy.")));
}
