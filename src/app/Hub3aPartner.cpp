#include "app/Hub3aPartner.h"

#include "partners/PartnerEntry.h"
#include "payments/AccountCheck.h"
#include "payments/Iban.h"
#include "payments/ReferenceModels.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

using F = Hub3aField;

void takeNameLines(Hub3aRecord &record, const QString &name)
{
    static const QRegularExpression lineBreak(u"\r\n|\r|\n|\v"_s);
    QStringList lines = name.split(lineBreak, Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.simplified();
    lines.removeAll(QString());
    const auto line = [&lines](qsizetype i) { return i < lines.size() ? lines[i] : QString(); };
    record.set(F::RecipientName, line(0));
    record.set(F::RecipientStreet, line(1));
    record.set(F::RecipientPlace, lines.mid(2).join(u' '));
}

} // namespace

QStringList takeHub3aRecipient(Hub3aRecord &record, const QString &entry)
{
    QStringList notes;
    const PartnerParts parts = SplitPartner(entry);
    takeNameLines(record, parts.name);

    const QString account = parts.account.trimmed();
    const QString iban = account.isEmpty() ? QString() : checkAccount(account).iban;
    record.set(F::RecipientIban, iban);
    if (!account.isEmpty() && iban.isEmpty())
        notes.append(u"nije preuzeto: račun primatelja"_s);
    else if (iban != compactIban(account))
        notes.append(u"račun %1 → %2"_s.arg(account, iban));

    const QString reference = parts.reference.trimmed();
    const qsizetype space = reference.indexOf(u' ');
    if (space < 0) {
        record.set(F::RecipientReference, reference);
        return notes;
    }
    const QString model = reference.left(space);
    const std::optional<int> modelNumber = parseModel(model);
    record.set(F::RecipientModel, modelNumber ? modelName(*modelNumber) : model);
    record.set(F::RecipientReference, reference.mid(space + 1).simplified().replace(u' ', u'-'));
    return notes;
}
