#include "batch/Hub3aTableFile.h"

#include "batch/Hub3aTableReader.h"
#include "model/TextFile.h"
#include "model/UserError.h"

#include <QFile>

#include <memory>

namespace {

// The hooks are asked once in so many rows: often enough for a quick cancel, seldom enough to cost
// nothing.
constexpr int rowsBetweenHooks = 256;

// An open table file and its reader, kept together for as long as its rows are asked for.
struct OpenTable
{
    QFile file;
    std::unique_ptr<Hub3aTableReader> reader;

    OpenTable(const QString &path, const Hub3aRecord &base, const QDate &today = {}) : file(path)
    {
        TextFile::checkReadable(path);
        if (!file.open(QIODevice::ReadOnly))
            throw UserError(QStringLiteral("Datoteka %1 ne može se otvoriti").arg(path));
        reader = std::make_unique<Hub3aTableReader>(file, base, today);
    }
};

} // namespace

Hub3aTableCheck checkHub3aTableFile(const QString &path, const Hub3aRecord &base,
                                    const TableCheckHooks &hooks, const QDate &today)
{
    OpenTable table(path, base, today);
    Hub3aTableReader &reader = *table.reader;
    Hub3aTableCheck check;
    check.baseMissing = reader.baseMissing();
    check.columns = reader.columns();
    check.fromBase = reader.fromBase();
    while (std::optional<Hub3aRowCheck> row = reader.next()) {
        if (row->problems.isEmpty()) {
            ++check.validSlips;
        } else if (hooks.problem) {
            for (const RowProblem &problem : row->problems)
                hooks.problem(problem);
        } else {
            check.problems += row->problems;
        }
        if (reader.rowCount() % rowsBetweenHooks == 0) {
            if (hooks.progress)
                hooks.progress(reader.bytesRead(), reader.size());
            if (hooks.cancelRequested && hooks.cancelRequested()) {
                check.cancelled = true;
                break;
            }
        }
    }
    check.rowCount = reader.rowCount();
    return check;
}

SlipSource hub3aTableSlips(const QString &path, const Hub3aRecord &base, const QDate &today)
{
    auto table = std::make_shared<OpenTable>(path, base, today);
    return [table]() -> std::optional<NumberedSlip> {
        while (std::optional<Hub3aRowCheck> row = table->reader->next()) {
            if (row->problems.isEmpty())
                return std::move(row->slip);
        }
        return std::nullopt;
    };
}
