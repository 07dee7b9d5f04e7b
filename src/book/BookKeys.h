#pragma once

#include "book/BookPayment.h"

// What makes two payments the same payment: the recipient's IBAN (compact), model and reference,
// and the amount in cents, in one text the book indexes.
QString bookRepeatKey(const Hub3aRecord &record);

// An e-invoice's seller and number, else an invoice's file and page, which make a payment the same
// whatever was typed over it; empty for any other origin.
QString bookSourceKey(const BookOrigin &origin);
