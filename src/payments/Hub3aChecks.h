#pragma once

#include "model/Hub3aRecord.h"
#include "model/Hub3aRules.h"
#include "payments/PaymentFields.h"

#include <QList>

#include <span>

// The payment fields of a HUB-3A slip, by the names of its fields: the payer's and the
// recipient's IBAN, and each reference with its model.
std::span<const PaymentField> hub3aPaymentFields();

// The field of a slip that a payment field's check looks at (the IBAN, or the reference).
Hub3aField hub3aFieldOf(const PaymentField &field);

// What a record is checked as: a HUB-3A slip, whose barcode holds a recipient IBAN of 21
// characters (hub3aSlipIbanProblem), or an order of a bank file, which may pay an IBAN abroad.
enum class Hub3aUse { Slip, BankOrder };

// Checks a field that must hold an IBAN. An old account (7+10 digits, with or without its "-")
// is no IBAN: it is invalid and the message gives the IBAN it converts to. A wrong IBAN says
// "IBAN nije ispravan (kontrolni broj)" without the check digits that would make it pass.
// A slip refuses an IBAN longer than its field's 21 characters.
CheckResult checkHub3aIban(const QString &text, Hub3aUse use = Hub3aUse::Slip);

// Checks one payment field of a HUB-3A slip (an IBAN as checkHub3aIban, a reference under its
// model).
CheckResult checkHub3aPaymentField(const PaymentField &field, const QString &text, const QString &model,
                                   Hub3aUse use);
// The same for a slip (a function a hint can hold).
CheckResult checkHub3aPaymentField(const PaymentField &field, const QString &text, const QString &model);

// Checks the accounts and references of a HUB-3A slip, empty ones included: the payer's and the
// recipient's IBAN, and each reference under its model ("HR01").
QList<CheckedField> checkHub3aRecord(const Hub3aRecord &record);

// What the command-line check reports of a slip: checkHub3aRecord with the recipient's name and
// the amount, each field marked invalid that hub3aSlipProblems finds wrong, listed after them when
// it is none of these.
QList<CheckedField> checkHub3aSlip(const Hub3aRecord &record);

// The one check of whether a slip can pay, which every output (the window's print, PDF and PNG
// files, the batch, the bank file) and every reader (slip files, tables, barcodes) asks:
// everything that keeps the slip from being paid as it stands, by field. The fields' rules
// (lines, lengths, characters, the model's, amount's and date's forms), the fields it cannot be
// paid without (the recipient's name and IBAN, an amount of 0,01 to 9.999.999.999.999,99), the
// IBANs' and references' check digits under their models, and a purpose code from the ISO 20022
// list (PurposeCodes.h). One problem a field, in the order found. A bank order (use) may pay an
// IBAN abroad, longer than the slip's field.
QList<Hub3aProblem> hub3aSlipProblems(const Hub3aRecord &record, Hub3aUse use = Hub3aUse::Slip);

// The message of a purpose code that is not on the ISO 20022 list.
QString hub3aPurposeCodeProblem();

// True when hub3aSlipProblems finds nothing.
bool hub3aSlipCanPay(const Hub3aRecord &record, Hub3aUse use = Hub3aUse::Slip);

// Throws UserError with lead and a line per problem (hub3aProblemsText) when the slip cannot pay.
void requireHub3aSlipCanPay(const Hub3aRecord &record, const QString &lead);
