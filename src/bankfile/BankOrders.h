#pragma once

#include "model/NumberedSlip.h"

#include <span>

// The orders a bank file is made of: HUB-3A slips, each with the row it came from, read in place so
// that the file is written without copying them (a batch table's slips, or one slip as row 1).
using BankOrders = std::span<const NumberedSlip>;
