#include "einvoice/InvoicePayment.h"

#include "bankfile/BankAmount.h"
#include "model/Hub3aDate.h"
#include "model/Hub3aRules.h"
#include "payments/CreditorReference.h"
#include "payments/Hub3aChecks.h"
#include "payments/Iban.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

using F = Hub3aField;

bool isOneOf(const QString &code, std::initializer_list<const char *> codes)
{
    return std::any_of(codes.begin(), codes.end(),
                       [&code](const char *c) { return code == QLatin1StringView(c); });
}

bool isCreditTransfer(const InvoicePaymentMeans &means)
{
    return isOneOf(means.code.trimmed(), {"30", "58"}) && !means.iban.trimmed().isEmpty();
}

// Why none of the invoice's means is a credit transfer to an IBAN.
QString noTransferReason(const QList<InvoicePaymentMeans> &means)
{
    for (const InvoicePaymentMeans &m : means) {
        if (isOneOf(m.code.trimmed(), {"49", "59"}))
            return u"Račun se plaća izravnim terećenjem (način plaćanja %1): ne plaća se nalogom"_s.arg(
                m.code);
    }
    for (const InvoicePaymentMeans &m : means) {
        if (isOneOf(m.code.trimmed(), {"48", "54", "55"}))
            return u"Račun se plaća karticom (način plaćanja %1): ne plaća se nalogom"_s.arg(m.code);
    }
    if (means.isEmpty())
        return u"Račun ne navodi način plaćanja ni IBAN primatelja"_s;
    if (isOneOf(means.first().code.trimmed(), {"30", "58"}))
        return u"Račun ne navodi IBAN primatelja"_s;
    return u"Način plaćanja %1 nije kreditni transfer: ne plaća se nalogom"_s.arg(means.first().code);
}

// The means paid: a credit transfer, to a Croatian IBAN when there is one.
const InvoicePaymentMeans *chosenMeans(const QList<InvoicePaymentMeans> &means)
{
    const InvoicePaymentMeans *first = nullptr;
    for (const InvoicePaymentMeans &m : means) {
        if (!isCreditTransfer(m))
            continue;
        if (compactIban(m.iban).toUpper().startsWith("HR"_L1))
            return &m;
        if (!first)
            first = &m;
    }
    return first;
}

class RecordBuilder
{
public:
    // Sets a field to what it keeps of text; a text that had to change is said.
    void fit(F field, const QString &text)
    {
        const QString trimmed = text.simplified();
        if (const QString change = m_record.setFitted(field, trimmed); !change.isEmpty())
            m_changes.append(change + u" (na računu: '%1')"_s.arg(trimmed));
    }
    void set(F field, const QString &text) { m_record.set(field, text); }
    void change(const QString &text) { m_changes.append(text); }

    Hub3aRecord &record() { return m_record; }
    const QStringList &changes() const { return m_changes; }

private:
    Hub3aRecord m_record;
    QStringList m_changes;
};

// The remittance text as the slip's model and reference, or under HR99 in the description.
// True when it took the description.
bool setReference(RecordBuilder &builder, const QString &text)
{
    static const QRegularExpression croatian(u"^HR([0-9]{2})\\s*(.*)$"_s,
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression creditor(u"^RF[0-9]{2}"_s, QRegularExpression::CaseInsensitiveOption);
    const QString reference = text.trimmed();
    if (const QRegularExpressionMatch match = croatian.match(reference); match.hasMatch()) {
        builder.set(F::RecipientModel, u"HR"_s + match.captured(1));
        builder.fit(F::RecipientReference, match.captured(2));
        return false;
    }
    builder.set(F::RecipientModel, u"HR99"_s);
    if (reference.isEmpty())
        return false;
    if (creditor.match(reference).hasMatch()) {
        const CheckResult check = checkCreditorReference(reference);
        if (check.status == CheckStatus::Valid) {
            builder.set(F::Description, check.message);
            return true;
        }
        builder.change(u"Referenca %1 nije ispravna: %2"_s.arg(reference, check.message));
    }
    builder.fit(F::Description, reference);
    return true;
}

// "Račun 2026-17, Tvrtka d.o.o.": the seller's name shortened to what room the number leaves, as
// this text is the program's own.
void setInvoiceDescription(RecordBuilder &builder, const EInvoice &invoice, const QString &seller)
{
    builder.fit(F::Description, u"Račun "_s + invoice.number.simplified());
    const QString number = builder.record()[F::Description];
    const QString withSeller =
        cleanHub3aText(F::Description, number + u", "_s + seller.simplified()).trimmed();
    if (withSeller.size() > number.size() + 2)
        builder.set(F::Description, withSeller);
}

} // namespace

std::optional<qint64> invoiceAmountCents(const QString &text)
{
    QString amount = text.trimmed();
    const bool negative = amount.startsWith(u'-');
    if (negative)
        amount.remove(0, 1);
    const std::optional<qint64> cents = bankAmountCents(amount);
    if (!cents)
        return std::nullopt;
    return negative ? -*cents : *cents;
}

QString invoiceIdentity(const EInvoice &invoice)
{
    QString seller = invoice.sellerVat;
    seller.remove(u' ');
    if (seller.isEmpty())
        seller = invoice.sellerName.simplified();
    return seller.toUpper() + u'|' + invoice.number.trimmed();
}

InvoicePayment invoicePayment(const EInvoice &invoice, QDate today)
{
    InvoicePayment payment;
    payment.identity = invoiceIdentity(invoice);
    const QString currency = invoice.currency.trimmed().toUpper();
    const std::optional<qint64> cents = invoiceAmountCents(invoice.amountDue);
    const InvoicePaymentMeans *means = chosenMeans(invoice.means);
    if (invoice.creditNote())
        payment.nothingToPay = u"Odobrenje (knjižno odobrenje) %1: nema se što platiti"_s.arg(invoice.number);
    else if (currency != "EUR"_L1 ||
             (!invoice.amountCurrency.isEmpty() && invoice.amountCurrency.toUpper() != "EUR"_L1))
        payment.nothingToPay = u"Račun je u valuti %1: plaćaju se samo računi u eurima"_s.arg(
            currency.isEmpty() ? invoice.amountCurrency : currency);
    else if (!cents)
        payment.nothingToPay = u"Iznos za plaćanje '%1' nije iznos"_s.arg(invoice.amountDue);
    else if (*cents == 0)
        payment.nothingToPay = u"Iznos za plaćanje je 0,00 EUR (plaćeno unaprijed): nema se što platiti"_s;
    else if (*cents < 0)
        payment.nothingToPay =
            u"Iznos za plaćanje je negativan (-%1 EUR): nema se što platiti"_s.arg(hub3aAmountText(-*cents));
    else if (!means)
        payment.nothingToPay = noTransferReason(invoice.means);
    if (!payment.nothingToPay.isEmpty())
        return payment;

    RecordBuilder builder;
    const QString seller = invoice.sellerName.trimmed();
    builder.fit(F::RecipientName, invoice.payeeName.trimmed().isEmpty() ? seller : invoice.payeeName);
    builder.fit(F::RecipientStreet, invoice.sellerStreet);
    builder.fit(F::RecipientPlace, (invoice.sellerPostCode.trimmed() + u' ' + invoice.sellerCity.trimmed()));
    const QString iban = compactIban(means->iban).toUpper();
    builder.set(F::RecipientIban, iban);
    builder.set(F::Amount, hub3aAmountText(*cents));
    const bool describedByReference = setReference(builder, means->reference);
    if (!describedByReference) {
        if (!means->note.trimmed().isEmpty())
            builder.fit(F::Description, means->note);
        else
            setInvoiceDescription(builder, invoice, seller);
    }
    payment.due = invoice.due.isValid() ? invoice.due : means->due;
    payment.overdue = payment.due.isValid() && payment.due < today;
    if (payment.due.isValid())
        builder.set(F::ExecutionDate, hub3aDateText(payment.overdue ? today : payment.due));

    for (const InvoicePaymentMeans &other : invoice.means) {
        const QString otherIban = compactIban(other.iban).toUpper();
        if (isCreditTransfer(other) && otherIban != iban && !payment.remarks.contains(otherIban))
            payment.remarks.append(otherIban);
    }
    if (!payment.remarks.isEmpty())
        payment.remarks = {
            u"Račun navodi i druge račune primatelja: %1"_s.arg(payment.remarks.join(u", "_s))};

    // An account abroad is paid by a bank file, which takes a longer IBAN than the slip.
    const Hub3aUse use = iban.startsWith("HR"_L1) ? Hub3aUse::Slip : Hub3aUse::BankOrder;
    QStringList verdict = builder.changes();
    if (const QString problems = hub3aProblemsText(hub3aSlipProblems(builder.record(), use));
        !problems.isEmpty())
        verdict.prepend(problems);
    payment.verdict = verdict.join(u'\n');
    payment.record = builder.record();
    return payment;
}

QStringList pictureDifferences(const Hub3aRecord &invoice, const Hub3aRecord &picture)
{
    const auto reference = [](const Hub3aRecord &record) {
        return (completedHub3aModel(record[F::RecipientModel].trimmed()) + u' ' +
                record[F::RecipientReference].trimmed())
            .trimmed();
    };
    const auto cents = [](const Hub3aRecord &record) { return hub3aAmountCents(record[F::Amount]); };
    QStringList differences;
    const auto compare = [&differences](F field, const QString &xml, const QString &barcode, bool same) {
        if (!same)
            differences.append(
                u"%1: u XML-u %2, na bar-kodu %3"_s.arg(hub3aField(field).label(), xml, barcode));
    };
    compare(F::RecipientIban, invoice[F::RecipientIban], picture[F::RecipientIban],
            compactIban(invoice[F::RecipientIban]).toUpper() ==
                compactIban(picture[F::RecipientIban]).toUpper());
    compare(F::Amount, invoice[F::Amount], picture[F::Amount], cents(invoice) == cents(picture));
    compare(F::RecipientReference, reference(invoice), reference(picture),
            reference(invoice) == reference(picture));
    return differences;
}
