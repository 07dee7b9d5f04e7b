#include "bankfile/Pain001Ids.h"

#include "bankfile/Pain001Checks.h"

using namespace Qt::StringLiterals;

namespace Pain001 {

QString groupId(const QString &messageId, int number)
{
    return u"%1-G%2"_s.arg(messageId).arg(number);
}

QString instructionId(const QString &messageId, const BankOrders &orders, qsizetype index, bool rowsUnique)
{
    return u"%1-%2"_s.arg(messageId).arg(rowsUnique ? orders[index].row : index + 1);
}

QString endToEndId(const Hub3aRecord &order)
{
    return bankReference(order[Hub3aField::PayerModel], order[Hub3aField::PayerReference]);
}

} // namespace Pain001
