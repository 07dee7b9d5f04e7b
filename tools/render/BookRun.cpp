#include "BookRun.h"

#include "JsonLine.h"
#include "ToolReport.h"
#include "book/PaymentBook.h"
#include "book/RepeatCheck.h"
#include "model/CsvTable.h"
#include "model/SettingsStore.h"
#include "model/TextFile.h"
#include "model/UserError.h"

#include <QCommandLineParser>

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

std::optional<int> runBookExport(const QStringList &arguments, QTextStream &errors)
{
    if (!arguments.contains(u"--book"_s) && !arguments.contains(u"-book"_s))
        return std::nullopt;
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption book{u"book"_s};
    const QCommandLineOption state{u"state"_s, QString(), u"STATE"_s};
    const QCommandLineOption from{u"from"_s, QString(), u"DAY"_s};
    const QCommandLineOption to{u"to"_s, QString(), u"DAY"_s};
    const QCommandLineOption out{{u"o"_s, u"output"_s}, QString(), u"ROWS.csv"_s};
    parser.addOptions({book, state, from, to, out});
    try {
        if (!parser.parse(arguments))
            throw UserError(parser.errorText());
        if (!parser.positionalArguments().isEmpty())
            throw UserError(
                u"--book reads the payments book, not '%1'"_s.arg(parser.positionalArguments().join(u' ')));
        if (parser.value(out).isEmpty())
            throw UserError(u"missing -o ROWS.csv"_s);
        std::optional<BookState> wanted;
        if (parser.isSet(state)) {
            wanted = bookStateNamed(parser.value(state));
            if (!wanted)
                throw UserError(u"--state is prepared, sent, refused, accepted or booked, not '%1'"_s.arg(
                    parser.value(state)));
        }
        const QDate first = parser.isSet(from) ? dayOption(parser.value(from), "from") : QDate();
        const QDate last = parser.isSet(to) ? dayOption(parser.value(to), "to") : QDate();
        const PaymentBook opened(PaymentBook::defaultPath());
        TextFile::writeOutput(parser.value(out), bookTable(opened.entries(first, last, wanted)));
    } catch (const UserError &e) {
        errors << "zorprint-render: " << e.text() << '\n';
        return ToolReport::exitBadInput;
    }
    return ToolReport::exitAllDone;
}

QString bookUsage()
{
    return u"       zorprint-render --book [--state STATE] [--from DAY] [--to DAY] -o ROWS.csv\n"
           "  --book                      the payments book as a table: the batch table's columns, then\n"
           "                              how each payment left and its state\n"
           "  --state STATE               --book: only payments now prepared, sent, refused, accepted or "
           "booked\n"
           "  --from DAY --to DAY         --book: only payments that left from/to these days (yyyy-mm-dd)\n"_s;
}

} // namespace BookRun
