#pragma once

#include "model/Hub3aRecord.h"

#include <QList>
#include <QString>

#include <optional>

// The rules of a HUB-3A slip's fields, which every reader and writer of slips applies alike: the
// window's tab, slip files, tables, partner slips and the command-line tool.

// Which rule a field breaks, for callers that treat some kinds of problem apart (a refusal of
// characters, a field that is missing); what the clerk reads is the problem's message.
enum class Hub3aRule {
    Lines,      // more than one line
    Form,       // a coded field's text not in its form (model, amount, date, urgent)
    Length,     // longer than the field
    Characters, // characters outside the field's repertoire
    Missing,    // a field the slip cannot be paid without is empty (its message names the field)
    Account,    // no IBAN, or an IBAN whose check digits are wrong
    Reference,  // a reference that its model does not take
    Purpose,    // no ISO 20022 purpose code
    Bank,       // a rule a bank file adds to the slip's
};

// A field that breaks a rule, and how, in words for the clerk.
struct Hub3aProblem
{
    Hub3aField field;
    Hub3aRule rule;
    QString message;

    bool operator==(const Hub3aProblem &) const = default;
};

// What keeps a text from standing in a field as it is, or an empty text when it fits: a line
// break, more characters than the field's length, a character outside the field's repertoire
// (small letters in the coded fields included), and for the coded fields a text that is not
// their form: model HR and two digits, amount 1.234,56 up to 9.999.999.999.999,99, execution date
// DDMMGGGG, urgent 1. An empty text always fits.
QString hub3aFieldProblem(Hub3aField field, const QString &text);

// The characters the slip's recipient IBAN field and its barcode hold: a Croatian IBAN's. The
// record holds longer ones (up to 34) for a bank file.
constexpr int hub3aSlipIbanLength = 21;

// What keeps a recipient IBAN that a record holds from a HUB-3A slip, or an empty text: one longer
// than hub3aSlipIbanLength, of an account abroad, is paid by a bank file.
QString hub3aSlipIbanProblem(const QString &iban);

// hub3aFieldProblem with the rule broken; nothing when text fits.
std::optional<Hub3aProblem> hub3aFieldRuleProblem(Hub3aField field, const QString &text);

// The problems of every field of record, in the order of the fields.
QList<Hub3aProblem> hub3aFieldProblems(const Hub3aRecord &record);

// What a slip cannot be paid without: the recipient's name and IBAN, and an amount of at least
// 0,01. Only fields that are empty (or an amount of 0) are listed; their form is
// hub3aFieldProblem's.
QList<Hub3aProblem> hub3aMissingFields(const Hub3aRecord &record);

// A model as the clerk may type it, completed: "01", "1", "HR1" or "hr01" are "HR01". Any other
// text comes back as it is (and breaks the model's rule unless it is empty or "HR" and two digits).
QString completedHub3aModel(const QString &text);

// An amount typed with a decimal point from the numeric keypad ("12.34", "12.3") as the program
// writes it ("12,34"); any other text as it is. A point followed by three digits stays a
// thousands separator ("1.234").
QString typedHub3aAmount(const QString &text);

// A problem in words that name its field: "naziv primatelja: Dulje od 25 znakova"; a missing
// field's message, which names it, as it is.
QString hub3aProblemLine(const Hub3aProblem &problem);

// One line per problem (hub3aProblemLine), for a message box.
QString hub3aProblemsText(const QList<Hub3aProblem> &problems);
