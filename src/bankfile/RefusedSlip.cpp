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

// The parts of a party's address, joined back into the slip's street and place lines.
void takeAddress(Hub3aRecord &slip, QStringView field, const QString &text)
{
    const bool payer = field.startsWith("Dbtr/"_L1);
    if (!payer && !field.startsWith("Cdtr/"_L1))
        return;
    const F street = payer ? F::PayerStreet : F::RecipientStreet;
    const F place = payer ? F::PayerPlace : F::RecipientPlace;
    const auto append = [&slip](F target, const QString &part) {
        slip.set(target, slip[target].isEmpty() ? part : slip[target] + u' ' + part);
    };
    if (field.endsWith("PstlAdr/StrtNm"_L1) || field.endsWith("PstlAdr/BldgNb"_L1))
        append(street, text);
    else if (field.endsWith("PstlAdr/PstCd"_L1) || field.endsWith("PstlAdr/TwnNm"_L1))
        append(place, text);
    else if (field.endsWith("PstlAdr/AdrLine"_L1))
        append(slip[street].isEmpty() ? street : place, text);
}

} // namespace

void setReference(Hub3aRecord &slip, F modelField, F referenceField, const QString &joined)
{
    static const QRegularExpression modelAndNumber(u"^(HR[0-9]{2})([0-9-]*)$"_s);
    const QRegularExpressionMatch match = modelAndNumber.match(joined);
    if (!match.hasMatch()) {
        slip.set(referenceField, joined);
        return;
    }
    slip.set(modelField, match.captured(1));
    slip.set(referenceField, match.captured(2));
}

// A text of OrgnlTxRef: the order as the bank got it.
void takeOriginalText(RefusedOrder &order, QStringView field, const QString &text)
{
    Hub3aRecord &slip = order.slip;
    if (field == "Amt/InstdAmt"_L1) {
        order.amount = text;
        if (const std::optional<qint64> cents = bankAmountCents(text))
            slip.set(F::Amount, hub3aAmountText(*cents));
    } else if (field == "ReqdExctnDt/Dt"_L1 || field == "ReqdExctnDt"_L1) {
        const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
        if (date.isValid())
            slip.set(F::ExecutionDate, hub3aDateText(date));
    } else if (field == "Cdtr/Pty/Nm"_L1 || field == "Cdtr/Nm"_L1) {
        order.recipient = text;
        slip.set(F::RecipientName, text);
    } else if (field == "CdtrAcct/Id/IBAN"_L1) {
        order.iban = text;
        slip.set(F::RecipientIban, text);
    } else if (field == "Dbtr/Pty/Nm"_L1 || field == "Dbtr/Nm"_L1) {
        slip.set(F::PayerName, text);
    } else if (field == "DbtrAcct/Id/IBAN"_L1) {
        slip.set(F::PayerIban, text);
    } else if (field == "Purp/Cd"_L1) {
        slip.set(F::PurposeCode, text);
    } else if (field == "RmtInf/Strd/CdtrRefInf/Ref"_L1) {
        setReference(slip, F::RecipientModel, F::RecipientReference, text);
    } else if (field == "RmtInf/Strd/AddtlRmtInf"_L1 || field == "RmtInf/Ustrd"_L1) {
        slip.set(F::Description, text);
    } else {
        takeAddress(slip, field, text);
    }
}

} // namespace Pain002
