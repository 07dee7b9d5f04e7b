#include "StatementRun.h"

#include "JsonLine.h"
#include "RenderOptions.h"
#include "StandardOutput.h"
#include "ToolReport.h"
#include "bankfile/BankAmount.h"
#include "model/CsvTable.h"
#include "model/TextFile.h"
#include "model/UserError.h"
#include "statements/StatementMatch.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;
using namespace ToolReport;

namespace {

using BankStatement::Outcome;

// An entry found in no payment: the columns of the table and the keys of its JSON line.
constexpr const char *unmatchedColumns[] = {"file",     "account", "day",       "direction", "amount",
                                            "currency", "reversal", "name",     "iban",      "reference",
                                            "endToEndId", "bankReference"};

QStringList unmatchedRow(const QString &file, const BankStatement::EntryOutcome &outcome)
{
    const BankStatement::Entry &entry = outcome.entry;
    const BankStatement::Transaction first =
        entry.transactions.isEmpty() ? BankStatement::Transaction() : entry.transactions.first();
    const QDate day = entry.bookingDate.isValid() ? entry.bookingDate : entry.valueDate;
    return {QFileInfo(file).fileName(),
            outcome.account,
            day.toString(Qt::ISODate),
            entry.credit ? u"CRDT"_s : u"DBIT"_s,
            bankAmountText(entry.cents),
            entry.currency,
            entry.reversal ? u"true"_s : u"false"_s,
            entry.credit ? first.debtorName : first.creditorName,
            entry.credit ? first.debtorIban : first.creditorIban,
            first.reference.isEmpty() ? first.unstructured.join(u' ') : first.reference,
            first.endToEndId,
            entry.bankReference};
}

} // namespace

int runStatement(const RenderOptions &options, QTextStream &out, QTextStream &errors)
{
    // Every file is read before the book changes: a bad one leaves the book as it was.
    QList<BankStatement::Document> documents;
    for (const QString &path : options.inputs) {
        try {
            documents.append(*BankStatement::readFile(path));
        } catch (const UserError &e) {
            ToolReport::failure(errors, path, e.text());
            return exitBadInput;
        }
    }
    QList<QStringList> unmatched;
    try {
        PaymentBook book(PaymentBook::defaultPath());
        for (qsizetype i = 0; i < documents.size(); ++i) {
            const QString &path = options.inputs[i];
            const BankStatement::Reconciliation result = BankStatement::reconcile(book, documents[i], path);
            errors << QString::fromUtf8(jsonLine({{"file", QFileInfo(path).fileName()},
                                                  {"booked", result.count(Outcome::Booked)},
                                                  {"reversed", result.count(Outcome::Reversed)},
                                                  {"received", result.count(Outcome::Received)},
                                                  {"unmatched", result.count(Outcome::NotFound)},
                                                  {"alreadyBooked", result.count(Outcome::Taken)},
                                                  {"pending", result.count(Outcome::Pending)}}));
            for (const BankStatement::EntryOutcome &outcome : result.entries) {
                if (outcome.outcome != Outcome::NotFound)
                    continue;
                unmatched.append(unmatchedRow(path, outcome));
                out << QString::fromUtf8(jsonLine(unmatchedColumns, unmatched.last()));
            }
        }
    } catch (const UserError &e) {
        ToolReport::failure(errors, e.text());
        return exitBadInput;
    }
    const int status = afterWritingOut(out, errors, unmatched.isEmpty() ? exitAllDone : exitSomeRefused);
    if (!options.outPath.isEmpty()) {
        QList<QStringList> rows{{}};
        for (const char *column : unmatchedColumns)
            rows.first().append(QLatin1StringView(column));
        try {
            TextFile::writeOutput(options.outPath, CsvTable::toBytes(rows + unmatched));
        } catch (const UserError &e) {
            ToolReport::failure(errors, options.outPath, e.text());
            return exitNotWritten;
        }
    }
    return status;
}
