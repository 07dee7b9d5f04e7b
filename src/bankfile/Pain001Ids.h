#pragma once

#include "bankfile/BankOrders.h"

#include <QString>

// The ids a bank file gives its groups and orders, which the bank's answer gives back.
namespace Pain001 {

// PmtInfId of the number-th group (from 1): "<MsgId>-G<number>".
QString groupId(const QString &messageId, int number);
// InstrId of the order at index: "<MsgId>-<row>", or its place in the list (from 1) where rows repeat.
QString instructionId(const QString &messageId, const BankOrders &orders, qsizetype index, bool rowsUnique);
// EndToEndId: the payer's model and reference in one (bankReference).
QString endToEndId(const Hub3aRecord &order);

} // namespace Pain001
