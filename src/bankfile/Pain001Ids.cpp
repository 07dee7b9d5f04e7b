#include "bankfile/Pain001Ids.h"

#include "model/Hub3aRules.h"

using namespace Qt::StringLiterals;

namespace Pain001 {

QString groupId(const QString &messageId, int number)
{
    return u"%1-G%2"_s.arg(messageId).arg(number);
}

QString instructionId(const QString &messageId, const BankOrders &orders, qsizetype index, bool rowsUnique)
{
    return u"%1-%2"_s.arg(messageId).arg(rowsUnique ? orders.row(index) : index + 1);
}

QString endToEndId(const Hub3aRecord &order)
{
    return joinedReference(order[Hub3aField::PayerModel], order[Hub3aField::PayerReference]);
}

QString joinedReference(const QString &model, const QString &reference)
{
    const QString completed = completedHub3aModel(model.trimmed());
    const QString number = reference.trimmed();
    if (completed.isEmpty())
        return number.isEmpty() ? u"HR99"_s : u"HR00"_s + number;
    return completed + number;
}

} // namespace Pain001
