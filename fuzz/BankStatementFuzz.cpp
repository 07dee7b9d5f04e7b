#include "FuzzCheck.h"
#include "model/UserError.h"
#include "statements/BankStatement.h"

// Any bytes as the bank's statement: read or refused with a UserError, never a crash or a hang;
// what is read stays within its bounds.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    BankStatement::Document document;
    try {
        document = BankStatement::read(fuzzBytes(data, size));
    } catch (const UserError &error) {
        fuzzCheck(!error.text().isEmpty(), "a refusal says why");
        return 0;
    }
    qsizetype transactions = 0;
    for (const BankStatement::Statement &statement : document.statements) {
        for (const BankStatement::Entry &entry : statement.entries) {
            transactions += std::max<qsizetype>(1, entry.transactions.size());
            fuzzCheck(entry.cents >= 0, "an amount is never negative");
            for (const BankStatement::Transaction &transaction : entry.transactions)
                fuzzCheck(transaction.reference.size() <= 1000, "texts are bounded");
        }
    }
    fuzzCheck(transactions <= BankStatement::mostTransactions, "transactions are bounded");
    return 0;
}
