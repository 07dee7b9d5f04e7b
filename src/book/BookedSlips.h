#pragma once

#include "bankfile/BankOrders.h"
#include "book/BookPayment.h"

#include <QSet>

class PaymentBook;

// Records slips that left, printed (on the printer named by wayFile) or in the PDF at wayFile, in
// one transaction, leaving out the rows in skipped (barcodes that did not read back, slips the
// printer did not take). A table's slips take their rows as places. Printed slips are sent; a PDF's
// are prepared.
void recordSlips(PaymentBook &book, const BankOrders &slips, BookWay way, const QString &wayFile,
                 const BookOrigin &origin, const QSet<int> &skipped = {});
