#include "payments/Hub3aTransfer.h"

#include "model/Amount.h"
#include "payments/AccountCheck.h"
#include "payments/ReferenceModels.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

using F = Hub3aField;

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

void transferLines(Hub3aRecord &record, const QString &memo, std::initializer_list<F> fields)
{
    const QStringList lines = memoLines(memo);
    qsizetype i = 0;
    for (const F field : fields)
        record.set(field, i < lines.size() ? lines[i++].trimmed() : QString());
}

class Transfer
{
public:
    explicit Transfer(const SlipRecord &old) : m_old(old) {}

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
        m_result.record.set(field, checked.iban);
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
        m_result.record.set(model, modelName(*modelNumber));
        m_result.record.set(number, numberText);
    }

    void amount()
    {
        const QString text = oldText(m_old, "amount").trimmed();
        if (text.isEmpty())
            return;
        const std::optional<double> kuna = ParseAmount(text);
        const qint64 maxKunaCents = 7'534'500'000'000'000; // what 9.999.999.999.999,99 EUR is worth
        // A text without digits would read as 0 kn: it is no amount to pay.
        const bool hasDigit = std::any_of(text.begin(), text.end(), [](QChar ch) { return ch.isDigit(); });
        if (!kuna || !hasDigit || *kuna < 0 || *kuna * 100 > maxKunaCents) {
            m_result.notConverted.append(u"iznos"_s);
            return;
        }
        const qint64 kunaCents = std::llround(*kuna * 100);
        const QString euro = hub3aAmountText(kunaToEuroCents(kunaCents));
        m_result.record.set(F::Amount, euro);
        m_result.converted.append(u"%1 kn = %2 EUR"_s.arg(hub3aAmountText(kunaCents), euro));
    }

    Hub3aTransfer &result() { return m_result; }

private:
    const SlipRecord &m_old;
    Hub3aTransfer m_result;
};

} // namespace

qint64 kunaToEuroCents(qint64 kunaCents)
{
    // 1 EUR = 7,53450 kn: euro cents = kuna cents * 10000 / 75345, half a cent rounded up.
    return (kunaCents * 20000 + 75345) / (2 * 75345);
}

Hub3aTransfer transferToHub3a(const SlipRecord &old)
{
    Transfer transfer(old);
    Hub3aRecord &record = transfer.result().record;
    transferLines(record, oldText(old, "payer"), {F::PayerName, F::PayerStreet, F::PayerPlace});
    transferLines(record, oldText(old, "recipient"),
                  {F::RecipientName, F::RecipientStreet, F::RecipientPlace});
    record.set(F::Description, memoLines(oldText(old, "purpose")).join(u' '));
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
