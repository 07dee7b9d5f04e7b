#pragma once

#include "bankfile/BankOrders.h"
#include "bankfile/Pain001Checks.h"
#include "bankfile/Pain001Groups.h"
#include "bankfile/Pain001Options.h"

#include <QIODevice>
#include <QString>

#include <functional>

// The pain.001.001.09 file ("zbrojni nalog") that Croatian internet banking takes: the orders of
// HUB-3A slips grouped by payer IBAN, execution date and urgency, under the Croatian schema.
namespace Pain001 {

// Checks every order and writes those that pass to device, streamed: the groups and their sums
// are found first, then the XML is written group by group. Writes nothing when no order passes.
Result write(QIODevice &device, const BankOrders &orders, const Options &options);

// write() into path through the program's atomic save: the file appears whole or not at all.
// No file is made when no order passes. Throws UserError when the file cannot be written.
// beforeRename runs once the whole file is written, before it takes the name: what it throws
// leaves no file (the payments book records the orders there).
Result save(const QString &path, const BankOrders &orders, const Options &options,
            const std::function<void(const Plan &plan)> &beforeRename = {});

} // namespace Pain001
