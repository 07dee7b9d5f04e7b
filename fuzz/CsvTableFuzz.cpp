#include "FuzzCheck.h"
#include "model/CsvTable.h"
#include "model/UserError.h"

// Any bytes as a CSV table: it is read or refused with a UserError, and a table once read writes
// out and reads back to the same header and rows.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CsvTable table;
    try {
        table = CsvTable::parse(fuzzBytes(data, size));
    } catch (const UserError &) {
        return 0;
    }
    QList<QStringList> rows{table.header};
    for (const CsvTable::Row &row : table.rows) {
        fuzzCheck(row.number >= 1, "rows are numbered from 1");
        rows.append(row.fields);
    }
    const CsvTable again = CsvTable::parse(CsvTable::toBytes(rows, table.separator));
    fuzzCheck(again.header == table.header, "the header reads back");
    fuzzCheck(again.rows.size() == table.rows.size(), "every row reads back");
    for (qsizetype i = 0; i < table.rows.size(); ++i)
        fuzzCheck(again.rows[i].fields == table.rows[i].fields, "a row's fields read back");
    return 0;
}
