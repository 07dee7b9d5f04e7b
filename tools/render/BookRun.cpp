#include "BookRun.h"

#include "JsonLine.h"
#include "RenderOptions.h"
#include "ToolReport.h"
#include "batch/BookTable.h"
#include "book/PaymentBook.h"
#include "book/RepeatCheck.h"
#include "model/SettingsStore.h"
#include "model/TextFile.h"
#include "model/UserError.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace BookRun {

RepeatCheck repeatCheck(const PaymentBook &book, QDate today)
{
    return RepeatCheck(book, today, repeatDays(SettingsStore(SettingsStore::defaultPath())));
}

void reportRepeat(QTextStream &errors, int row, const BookRepeat &repeat)
{
    errors << QString::fromUtf8(
        jsonLine({{"row", row},
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

namespace {

QDate dayOption(const QString &text, const char *name)
{
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (!day.isValid())
        throw UserError(u"--%1 is a day as yyyy-mm-dd, not '%2'"_s.arg(QLatin1StringView(name), text));
    return day;
}

} // namespace

int runBookExport(const RenderOptions &options, QTextStream &errors)
{
    try {
        std::optional<BookState> wanted;
        if (!options.bookState.isEmpty()) {
            wanted = bookStateNamed(options.bookState);
            if (!wanted)
                throw UserError(u"--state is prepared, sent, refused, accepted, booked or received, not '%1'"_s.arg(
                    options.bookState));
        }
        const QDate first = options.bookFrom.isEmpty() ? QDate() : dayOption(options.bookFrom, "from");
        const QDate last = options.bookTo.isEmpty() ? QDate() : dayOption(options.bookTo, "to");
        const PaymentBook opened(PaymentBook::defaultPath());
        TextFile::writeOutput(options.outPath, bookTableCsv(opened.entries(first, last, wanted)));
    } catch (const UserError &e) {
        ToolReport::failure(errors, e.text());
        return ToolReport::exitBadInput;
    }
    return ToolReport::exitAllDone;
}

} // namespace BookRun
