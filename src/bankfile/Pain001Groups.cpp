#include "bankfile/Pain001Groups.h"

#include "bankfile/BankText.h"
#include "model/Hub3aParty.h"
#include "payments/Iban.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace Pain001 {

namespace {

using F = Hub3aField;

QString groupKey(const Hub3aRecord &record, QDate date)
{
    const Hub3aParty payer = Hub3aParty::of(record, Hub3aSide::Payer);
    const QString key =
        QStringList{compactIban(payer.iban), payer.name, payer.street, payer.place, QString()}.join(u'\x1f');
    return key + date.toString(Qt::ISODate) + (record.urgent() ? u"H"_s : u"N"_s) +
           (crossBorder(record) ? u"A"_s : u"D"_s);
}

// Notes once each payer text that the file writes without its Croatian letters.
template <class Fields>
void noteLatinPayer(const Hub3aRecord &record, const Fields &fields, QStringList &notes)
{
    for (F field : fields) {
        const QString latin = withoutCroatianLetters(record[field]);
        if (latin == record[field])
            continue;
        const QString note = u"Bez slova č ć đ š ž (plaćanje u inozemstvo) zapisano je: %1 '%2' kao '%3'"_s.arg(
            hub3aField(field).label(), record[field], latin);
        if (!notes.contains(note))
            notes.append(note);
    }
}

} // namespace

bool latinInitiator(const std::vector<Group> &groups)
{
    return std::any_of(groups.begin(), groups.end(), [](const Group &group) { return group.crossBorder; });
}

Plan planFile(const BankOrders &orders, const Options &options)
{
    Plan plan;
    Result &result = plan.result;
    std::vector<Group> &groups = plan.groups;
    QHash<QString, size_t> groupOf;
    QSet<int> rows;
    bool &rowsUnique = plan.rowsUnique;
    for (qsizetype index = 0; index < std::ssize(orders); ++index) {
        const Hub3aRecord &record = orders[index].record;
        const QList<Hub3aProblem> problems = orderProblems(record, options);
        if (!problems.isEmpty()) {
            for (const Hub3aProblem &problem : problems)
                result.refused.append(rowProblem(orders[index].row, problem));
            continue;
        }
        const QDate date = executionDate(record, options);
        const QString key = groupKey(record, date);
        auto found = groupOf.find(key);
        if (found == groupOf.end()) {
            found = groupOf.insert(key, groups.size());
            groups.push_back({index, date, record.urgent(), crossBorder(record), 0, {}});
            if (crossBorder(record))
                noteLatinPayer(record, hub3aPartyFields(Hub3aSide::Payer).lines(), result.notes);
        }
        Group &group = groups[found.value()];
        const qint64 cents = hub3aAmountCents(record[F::Amount]).value_or(0);
        group.cents += cents;
        group.orders.push_back(index);
        result.totalCents += cents;
        ++result.written;
        if (rowsUnique && (rows.contains(orders[index].row) || orders[index].row <= 0))
            rowsUnique = false;
        rows.insert(orders[index].row);
    }
    result.groups = static_cast<int>(groups.size());
    if (latinInitiator(groups))
        noteLatinPayer(orders[groups.front().first].record, std::array{F::PayerName}, result.notes);
    return plan;
}

} // namespace Pain001
