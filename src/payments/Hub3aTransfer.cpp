#include "payments/Hub3aTransfer.h"

#include "model/Amount.h"
#include "model/Hub3aParty.h"
#include "model/PartyLines.h"
#include "payments/AccountCheck.h"
#include "payments/ReferenceModels.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

using F = Hub3aField;

constexpr qint64 maxEuroCents = 999'999'999'999'999; // 9.999.999.999.999,99, the barcode's 15 digits

const QString &oldText(const SlipRecord &old, const char *field)
{
    return old.texts[static_cast<size_t>(slipFieldIndex(old.kind, QLatin1StringView(field)))];
}

QStringList memoLines(const QString &memo)
{
    QString text = memo;
    text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    return text.split(u'\n', Qt::SkipEmptyParts);
}

class Transfer
{
public:
    explicit Transfer(const SlipRecord &old) : m_old(old) {}

    // Sets a field to what it keeps of text and lists the field when that is not all of it:
    // the characters it dropped, or that it was cut to its length.
    void set(F field, const QString &text)
    {
        if (const QString changed = m_result.record.setFitted(field, text); !changed.isEmpty())
            m_result.changed.append(changed);
    }

    // A party's memo as name, street and place; a one-line memo splits at its commas.
    void party(const QString &memo, Hub3aSide side)
    {
        const Hub3aPartyFields &fields = hub3aPartyFields(side);
        const PartyLines lines = PartyLines::of(memo, hub3aField(fields.name).maxLength);
        set(fields.name, lines.name);
        set(fields.street, lines.street);
        set(fields.place, lines.place);
    }

    void account(const char *oldField, F field, const QString &name)
    {
        const QString text = oldText(m_old, oldField).trimmed();
        if (text.isEmpty())
            return;
        const CheckResult checked = checkAccount(text);
        if (checked.iban.isEmpty()) {
            m_result.notConverted.append(name);
            return;
        }
        set(field, checked.iban);
        if (checked.iban != text)
            m_result.converted.append(u"račun %1 → %2"_s.arg(text, checked.iban));
    }

    void reference(const char *modelField, const char *numberField, F model, F number, const QString &name)
    {
        const QString modelText = oldText(m_old, modelField).trimmed();
        const QString numberText = oldText(m_old, numberField).simplified().replace(u' ', u'-');
        if (modelText.isEmpty() && numberText.isEmpty())
            return;
        const std::optional<int> modelNumber = parseModel(modelText);
        if (!modelNumber) {
            m_result.notConverted.append(name);
            return;
        }
        set(model, modelName(*modelNumber));
        set(number, numberText);
    }

    void amount()
    {
        const QString text = oldText(m_old, "amount").trimmed();
        if (text.isEmpty())
            return;
        const std::optional<double> kuna = ParseAmount(text);
        const double maxKunaCents = 7'534'500'000'000'000; // what 9.999.999.999.999,99 EUR is worth
        // A text without digits would read as 0 kn: it is no amount to pay.
        const bool hasDigit = std::any_of(text.begin(), text.end(), [](QChar ch) { return ch.isDigit(); });
        // The amount is named with why it was left out.
        const QString tooMuch = u"iznos (veći od %1 EUR)"_s.arg(hub3aAmountText(maxEuroCents));
        if (!kuna || !hasDigit) {
            m_result.notConverted.append(u"iznos (%1 nije iznos u kunama)"_s.arg(text));
            return;
        }
        if (*kuna < 0) {
            m_result.notConverted.append(u"iznos (negativan)"_s);
            return;
        }
        if (*kuna * 100 > maxKunaCents) {
            m_result.notConverted.append(tooMuch);
            return;
        }
        const qint64 kunaCents = std::llround(*kuna * 100);
        const qint64 euroCents = kunaToEuroCents(kunaCents);
        if (euroCents > maxEuroCents) {
            m_result.notConverted.append(tooMuch);
            return;
        }
        const QString euro = hub3aAmountText(euroCents);
        set(F::Amount, euro);
        m_result.converted.append(u"%1 kn = %2 EUR"_s.arg(hub3aAmountText(kunaCents), euro));
    }

    Hub3aTransfer &result() { return m_result; }

private:
    const SlipRecord &m_old;
    Hub3aTransfer m_result;
};

} // namespace

QString Hub3aTransfer::summary() const
{
    QStringList lines{u"Preneseno u HUB-3A."_s};
    lines += converted;
    if (!notConverted.isEmpty())
        lines.append(u"Nije preneseno: "_s + notConverted.join(u", "_s));
    if (!changed.isEmpty())
        lines.append(u"Promijenjeno:\n"_s + changed.join(u'\n'));
    return lines.join(u'\n');
}

qint64 kunaToEuroCents(qint64 kunaCents)
{
    // 1 EUR = 7,53450 kn: euro cents = kuna cents * 10000 / 75345, half a cent rounded up. Whole
    // multiples of 75345 kuna cents are exactly 10000 euro cents each, so only the rest is scaled
    // and no product can overflow.
    const qint64 whole = kunaCents / 75345, rest = kunaCents % 75345;
    return whole * 10000 + (rest * 20000 + 75345) / (2 * 75345);
}

Hub3aTransfer transferToHub3a(const SlipRecord &old)
{
    Transfer transfer(old);
    transfer.party(oldText(old, "payer"), Hub3aSide::Payer);
    transfer.party(oldText(old, "recipient"), Hub3aSide::Recipient);
    QStringList purpose = memoLines(oldText(old, "purpose"));
    for (QString &line : purpose)
        line = line.trimmed();
    transfer.set(F::Description, purpose.join(u' '));
    if (old.kind == SlipKind::Uplatnica) {
        transfer.account("account", F::RecipientIban, u"račun primatelja"_s);
        transfer.reference("referenceModel", "reference", F::RecipientModel, F::RecipientReference,
                           u"poziv na broj primatelja"_s);
    } else {
        transfer.account("payerAccount", F::PayerIban, u"račun platitelja"_s);
        transfer.reference("payerReferenceModel", "payerReference", F::PayerModel, F::PayerReference,
                           u"poziv na broj platitelja"_s);
        transfer.account("recipientAccount", F::RecipientIban, u"račun primatelja"_s);
        transfer.reference("recipientReferenceModel", "recipientReference", F::RecipientModel,
                           F::RecipientReference, u"poziv na broj primatelja"_s);
    }
    transfer.amount();
    return transfer.result();
}
