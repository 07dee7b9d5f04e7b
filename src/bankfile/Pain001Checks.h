#pragma once

#include "bankfile/BankOrders.h"
#include "bankfile/Pain001Options.h"
#include "bankfile/PostalAddress.h"
#include "model/Hub3aFields.h"
#include "model/Hub3aRules.h"

#include <QList>

#include <optional>

namespace Pain001 {

// An order that cannot go into the file, by its row and field (nothing for the order as a whole).
struct OrderProblem
{
    int row = 0;
    std::optional<Hub3aField> field;
    QString message;

    bool operator==(const OrderProblem &) const = default;
};

// Everything that keeps one slip from being an order of a bank file: the slip's own payment
// checks (IBANs, references under their models, required fields), a present Croatian payer IBAN
// and payer name, an amount of 0,01 to 999.999.999,99, a description, a four-letter purpose code,
// an execution date not in the past, every text in the guide's characters (BankText), also each
// part of an address as the file writes it ("Ilica/" of "Ilica/ 5"), and for a recipient abroad
// a town, no Croatian letters and no reference under a Croatian model.
QList<Hub3aProblem> orderProblems(const Hub3aRecord &record, const Options &options);

// The problems of every order (orderProblems), each by row and field, its message naming the field
// ("Opis plaćanja: ne smije počinjati znakom '-'"), as write() reports them.
QList<OrderProblem> check(const BankOrders &orders, const Options &options);

// problem as an OrderProblem of row, its message naming its field.
OrderProblem rowProblem(int row, const Hub3aProblem &problem);

// The execution date of an order: the slip's (DDMMGGGG) or today.
QDate executionDate(const Hub3aRecord &record, const Options &options);

// Whether iban (spaces allowed) is a Croatian one: a national payment.
bool croatianIban(const QString &iban);

// Whether the order pays a recipient abroad: its recipient IBAN is not Croatian.
bool crossBorder(const Hub3aRecord &record);

// The model an order goes to the bank under: the slip's (completed, "01" is HR01), HR00 before a
// reference without a model, HR99 when there is neither.
QString bankModel(const QString &model, const QString &reference);

// The model and reference in one, without a space, as EndToEndId and CdtrRefInf/Ref take them
// ("HR01102-3057-89016", "HR0012345", "HR99").
QString bankReference(const QString &model, const QString &reference);

// The RF creditor reference that an HR99 order carries as its whole description (as an EPC code or
// an e-invoice gives it), compact; empty for any other order.
QString creditorReference(const Hub3aRecord &order);

enum class Party { Payer, Recipient };

// The structured address of a party of the order (splitPostalAddress), its country the one its
// place line names, else its IBAN's.
PostalAddress partyAddress(const Hub3aRecord &record, Party party);

} // namespace Pain001
