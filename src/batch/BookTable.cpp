#include "batch/BookTable.h"

#include "batch/Hub3aTable.h"
#include "model/CsvTable.h"

using namespace Qt::StringLiterals;

namespace {

const QStringList bookColumns = {
    u"stanje"_s,   u"razlog"_s,           u"izlaz"_s,        u"vrijeme"_s,       u"nacin"_s,
    u"datoteka"_s, u"oznaka_poruke"_s,    u"oznaka_grupe"_s, u"oznaka_naloga"_s, u"end_to_end"_s,
    u"izvor"_s,    u"izvorna_datoteka"_s, u"mjesto"_s,       u"instant"_s};

} // namespace

QByteArray bookTableCsv(const QList<BookEntry> &entries)
{
    QList<QStringList> rows{hub3aColumnNames() + bookColumns};
    rows.reserve(entries.size() + 1);
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
