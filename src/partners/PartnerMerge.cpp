#include "partners/PartnerMerge.h"

#include <QHash>

#include <optional>
#include <vector>

namespace {

// For each entry as read, the line of the current file that still holds it unchanged, or -1. Equal
// entries pair up in order, so duplicates keep their counts.
std::vector<qsizetype> findReadEntries(const QStringList &asRead, const QStringList &current)
{
    QHash<QString, QList<qsizetype>> linesOf;
    for (qsizetype line = current.size() - 1; line >= 0; --line)
        linesOf[current.at(line)].append(line);
    std::vector<qsizetype> found(size_t(asRead.size()), -1);
    for (qsizetype i = 0; i < asRead.size(); ++i) {
        const auto lines = linesOf.find(asRead.at(i));
        if (lines != linesOf.end() && !lines->isEmpty())
            found[size_t(i)] = lines->takeLast();
    }
    return found;
}

} // namespace

QStringList mergePartnerLists(const QStringList &asRead, const QList<TrackedPartner> &own,
                              const QStringList &current)
{
    const std::vector<qsizetype> found = findReadEntries(asRead, current);
    std::vector<std::optional<QString>> merged(current.cbegin(), current.cend());
    std::vector<bool> kept(size_t(asRead.size()), false);
    QStringList atTheEnd;
    for (const TrackedPartner &partner : own) {
        if (partner.readLine < 0 || partner.readLine >= asRead.size()) {
            atTheEnd.append(partner.entry);
            continue;
        }
        kept[size_t(partner.readLine)] = true;
        if (partner.entry == asRead.at(partner.readLine))
            continue;
        if (const qsizetype line = found[size_t(partner.readLine)]; line >= 0)
            merged[size_t(line)] = partner.entry;
        else
            atTheEnd.append(partner.entry);
    }
    for (size_t i = 0; i < kept.size(); ++i) {
        if (!kept[i] && found[i] >= 0)
            merged[size_t(found[i])].reset();
    }
    QStringList result;
    for (const std::optional<QString> &entry : merged) {
        if (entry)
            result.append(*entry);
    }
    return result + atTheEnd;
}
