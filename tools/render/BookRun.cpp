#include "BookRun.h"

#include "JsonLine.h"
#include "RenderOptions.h"
#include "ToolReport.h"
#include "book/PaymentBook.h"
#include "book/RepeatCheck.h"
#include "model/CsvTable.h"
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

const QStringList bookColumns = {
    u"stanje"_s,   u"razlog"_s,           u"izlaz"_s,        u"vrijeme"_s,       u"nacin"_s,
    u"datoteka"_s, u"oznaka_poruke"_s,    u"oznaka_grupe"_s, u"oznaka_naloga"_s, u"end_to_end"_s,
    u"izvor"_s,    u"izvorna_datoteka"_s, u"mjesto"_s,       u"instant"_s};

QDate dayOption(const QString &text, const char *name)
{
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (!day.isValid())
        throw UserError(u"--%1 is a day as yyyy-mm-dd, not '%2'"_s.arg(QLatin1StringView(name), text));
    return day;
}

QByteArray bookTable(const QList<BookEntry> &entries)
{
    QList<QStringList> rows{hub3aColumnNames() + bookColumns};
    for (const BookEntry &entry : entries) {
        const BookPayment &payment = entry.payment;
        QStringList row(payment.record.texts.begin(), payment.record.texts.end());
        row += {bookStateName(entry.state),
                entry.reason,
                entry.left.date().toString(Qt::ISODate),
                entry.left.time().toString(u"HH:mm:ss"_s),
                bookWayName(payment.way),
                payment.wayFile,
                payment.messageId,
                payment.paymentInfoId,
                payment.instructionId,
                payment.endToEndId,
                bookSourceName(payment.origin.source),
                payment.origin.file,
                payment.origin.place ? QString::number(payment.origin.place) : QString(),
                payment.instant ? u"1"_s : QString()};
        rows.append(row);
    }
    return CsvTable::toBytes(rows);
}

} // namespace

int runBookExport(const RenderOptions &options, QTextStream &errors)
{
    try {
        std::optional<BookState> wanted;
        if (!options.bookState.isEmpty()) {
            wanted = bookStateNamed(options.bookState);
            if (!wanted)
                throw UserError(u"--state is prepared, sent, refused, accepted or booked, not '%1'"_s.arg(
                    options.bookState));
        }
        const QDate first = options.bookFrom.isEmpty() ? QDate() : dayOption(options.bookFrom, "from");
        const QDate last = options.bookTo.isEmpty() ? QDate() : dayOption(options.bookTo, "to");
        const PaymentBook opened(PaymentBook::defaultPath());
        TextFile::writeOutput(options.outPath, bookTable(opened.entries(first, last, wanted)));
    } catch (const UserError &e) {
        ToolReport::failure(errors, e.text());
        return ToolReport::exitBadInput;
    }
    return ToolReport::exitAllDone;
}

} // namespace BookRun
