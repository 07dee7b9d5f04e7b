#include "BookRun.h"

#include "JsonLine.h"
#include "book/PaymentBook.h"
#include "book/RepeatCheck.h"
#include "model/SettingsStore.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace BookRun {

RepeatCheck repeatCheck(const PaymentBook &book, QDate today)
{
    return RepeatCheck(book, today, repeatDays(SettingsStore(SettingsStore::defaultPath())));
}

void reportRepeat(QTextStream &errors, int row, const BookRepeat &repeat)
{
    errors << QString::fromUtf8(jsonLine({{"row", row},
                                          {"paid", repeat.day.toString(Qt::ISODate)},
                                          {"file", QFileInfo(repeat.wayFile).fileName()},
                                          {"message", u"Mogući dvostruki nalog: %1"_s.arg(repeatText(repeat))}}));
    errors.flush();
}

QList<NumberedSlip> withoutRepeats(const PaymentBook &book, const QList<NumberedSlip> &slips, QDate today,
                                   bool allow, QTextStream &errors, bool &repeated)
{
    const RepeatCheck check = repeatCheck(book, today);
    QList<NumberedSlip> kept;
    kept.reserve(slips.size());
    for (const NumberedSlip &slip : slips) {
        const std::optional<BookRepeat> repeat = check.find(slip.record);
        if (repeat) {
            repeated = true;
            reportRepeat(errors, slip.row, *repeat);
        }
        if (!repeat || allow)
            kept.append(slip);
    }
    return kept;
}

} // namespace BookRun
