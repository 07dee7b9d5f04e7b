#pragma once

#include "bankfile/BankOrders.h"
#include "bankfile/Pain001Groups.h"
#include "bankfile/Pain001Options.h"

#include <QIODevice>

namespace Pain001 {

// Writes the XML of a planned file to device, streamed group by group; stops early when the
// device refuses bytes. plan has at least one group.
void writeXml(QIODevice &device, const BankOrders &orders, const Options &options, const Plan &plan);

} // namespace Pain001
