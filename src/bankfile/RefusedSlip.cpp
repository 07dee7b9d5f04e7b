#include "bankfile/RefusedSlip.h"

#include "bankfile/BankAmount.h"
#include "model/Hub3aDate.h"
#include "model/Hub3aRules.h"

#include <QDate>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace Pain002 {

namespace {

using F = Hub3aField;

// Sets a field of the order's slip to what it keeps of text, noting what fitting changed.
void setFitted(RefusedOrder &order, F field, const QString &text)
{
    if (const QString note = order.slip.setFitted(field, text); !note.isEmpty())
        order.notes.append(note);
}

// The parts of a party's address, joined back into the slip's street and place lines.
void takeAddress(RefusedOrder &order, QStringView field, const QString &text)
{
    const bool payer = field.startsWith("Dbtr/"_L1);
    if (!payer && !field.startsWith("Cdtr/"_L1))
        return;
    Hub3aRecord &slip = order.slip;
    const F street = payer ? F::PayerStreet : F::RecipientStreet;
    const F place = payer ? F::PayerPlace : F::RecipientPlace;
    const auto append = [&order, &slip](F target, const QString &part) {
        setFitted(order, target, slip[target].isEmpty() ? part : slip[target] + u' ' + part);
    };
    if (field.endsWith("PstlAdr/StrtNm"_L1) || field.endsWith("PstlAdr/BldgNb"_L1))
        append(street, text);
    else if (field.endsWith("PstlAdr/PstCd"_L1) || field.endsWith("PstlAdr/TwnNm"_L1))
        append(place, text);
    else if (field.endsWith("PstlAdr/AdrLine"_L1))
        append(slip[street].isEmpty() ? street : place, text);
}

} // namespace

QString setReference(Hub3aRecord &slip, F modelField, F referenceField, const QString &joined)
{
    static const QRegularExpression modelAndNumber(u"^(HR[0-9]{2})([0-9-]*)$"_s);
    const QRegularExpressionMatch match = modelAndNumber.match(joined);
    if (!match.hasMatch())
        return slip.setFitted(referenceField, joined);
    slip.set(modelField, match.captured(1));
    return slip.setFitted(referenceField, match.captured(2));
}

// A text of OrgnlTxRef: the order as the bank got it.
void takeOriginalText(RefusedOrder &order, QStringView field, const QString &text)
{
    Hub3aRecord &slip = order.slip;
    if (field == "Amt/InstdAmt"_L1) {
        order.amount = text;
        const std::optional<qint64> cents = bankAmountCents(text);
        if (!order.currency.isEmpty() && order.currency != "EUR"_L1)
            order.notes.append(u"iznos: %1 %2 nije u eurima, pa nije preuzet"_s.arg(order.currency, text));
        else if (!cents)
            order.notes.append(u"iznos: '%1' nije iznos, pa nije preuzet"_s.arg(text));
        else
            slip.set(F::Amount, hub3aAmountText(*cents));
    } else if (field == "ReqdExctnDt/Dt"_L1 || field == "ReqdExctnDt"_L1) {
        const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
        if (date.isValid())
            slip.set(F::ExecutionDate, hub3aDateText(date));
    } else if (field == "Cdtr/Pty/Nm"_L1 || field == "Cdtr/Nm"_L1) {
        order.recipient = text;
        setFitted(order, F::RecipientName, text);
    } else if (field == "CdtrAcct/Id/IBAN"_L1) {
        order.iban = text;
        setFitted(order, F::RecipientIban, text);
    } else if (field == "Dbtr/Pty/Nm"_L1 || field == "Dbtr/Nm"_L1) {
        setFitted(order, F::PayerName, text);
    } else if (field == "DbtrAcct/Id/IBAN"_L1) {
        setFitted(order, F::PayerIban, text);
    } else if (field == "Purp/Cd"_L1) {
        setFitted(order, F::PurposeCode, text);
    } else if (field == "RmtInf/Strd/CdtrRefInf/Ref"_L1) {
        if (const QString note = setReference(slip, F::RecipientModel, F::RecipientReference, text);
            !note.isEmpty())
            order.notes.append(note);
    } else if (field == "RmtInf/Strd/AddtlRmtInf"_L1 || field == "RmtInf/Ustrd"_L1) {
        setFitted(order, F::Description, text);
    } else {
        takeAddress(order, field, text);
    }
}

} // namespace Pain002
