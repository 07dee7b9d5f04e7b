#include "app/RepeatQuestion.h"

#include "ui/UserDialogs.h"

using namespace Qt::StringLiterals;

QList<RepeatedRow> findRepeats(const RepeatCheck &check, const SlipSource &slips,
                               const QHash<int, BookOrigin> &origins)
{
    QList<RepeatedRow> repeats;
    while (const std::optional<NumberedSlip> slip = slips()) {
        if (const std::optional<BookRepeat> repeat = check.find(slip->record, origins.value(slip->row)))
            repeats.append({slip->row, *repeat});
    }
    return repeats;
}

QSet<int> askAboutRepeats(UserDialogs &dialogs, const QList<RepeatedRow> &repeats, qsizetype slipCount,
                          QList<RowProblem> &leftOut)
{
    if (repeats.isEmpty())
        return {};
    if (slipCount == 1)
        return dialogs.askYesNo(repeatQuestion(repeats.front().repeat)) ? QSet<int>()
                                                                        : QSet<int>{repeats.front().row};
    QStringList lines;
    for (const RepeatedRow &repeated : repeats)
        lines.append(u"red %1: %2"_s.arg(repeated.row).arg(repeatText(repeated.repeat)));
    if (dialogs.askYesNo(u"Mogući dvostruki nalozi (%1):\n%2\nIpak ih platiti?"_s.arg(repeats.size())
                             .arg(lines.join(u'\n'))))
        return {};
    QSet<int> left;
    for (const RepeatedRow &repeated : repeats) {
        leftOut.append(
            {repeated.row, QString(), u"Mogući dvostruki nalog: %1"_s.arg(repeatText(repeated.repeat))});
        left.insert(repeated.row);
    }
    return left;
}
