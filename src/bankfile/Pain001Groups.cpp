#include "bankfile/Pain001Groups.h"

#include "payments/Iban.h"

#include <QHash>
#include <QSet>

using namespace Qt::StringLiterals;

namespace Pain001 {

namespace {

using F = Hub3aField;

QString groupKey(const Hub3aRecord &record, QDate date)
{
    QString key;
    for (F field : {F::PayerIban, F::PayerName, F::PayerStreet, F::PayerPlace})
        key += (field == F::PayerIban ? compactIban(record[field]) : record[field]) + u'\x1f';
    return key + date.toString(Qt::ISODate) + (record.urgent() ? u"H"_s : u"N"_s);
}

} // namespace

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
                result.refused.append(rowProblem(orders.row(index), problem));
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

} // namespace Pain001
