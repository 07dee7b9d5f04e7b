#pragma once

#include "model/Hub3aRecord.h"

#include <QtGlobal>

// The orders a bank file is made of: HUB-3A slips, each with the row it came from (the table row,
// or its place in a selection), read by index so that the file is written without copying them.
class BankOrders
{
public:
    virtual ~BankOrders() = default;
    virtual qsizetype size() const = 0;
    virtual int row(qsizetype index) const = 0;
    virtual const Hub3aRecord &record(qsizetype index) const = 0;
};

// The orders of any list whose items have `row` and `record` (a batch table's NumberedSlip).
template <class List>
class BankOrdersOf final : public BankOrders
{
public:
    explicit BankOrdersOf(const List &list) : m_list(list) {}
    qsizetype size() const override { return m_list.size(); }
    int row(qsizetype index) const override { return m_list[index].row; }
    const Hub3aRecord &record(qsizetype index) const override { return m_list[index].record; }

private:
    const List &m_list;
};

// One slip as the only order (row 1).
class SingleBankOrder final : public BankOrders
{
public:
    explicit SingleBankOrder(const Hub3aRecord &record) : m_record(record) {}
    qsizetype size() const override { return 1; }
    int row(qsizetype) const override { return 1; }
    const Hub3aRecord &record(qsizetype) const override { return m_record; }

private:
    const Hub3aRecord &m_record;
};
