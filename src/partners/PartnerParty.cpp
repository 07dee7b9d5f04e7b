#include "partners/PartnerParty.h"

#include "partners/PartnerEntry.h"
#include "payments/AccountCheck.h"
#include "payments/ReferenceModels.h"

#include <QRegularExpression>
#include <QStringList>

PartnerParty partnerParty(const QString &entry)
{
    PartnerParty party;
    const PartnerParts parts = SplitPartner(entry);

    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n|\v"));
    QStringList lines = parts.name.split(lineBreak, Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.simplified();
    lines.removeAll(QString());
    party.name = lines.value(0);
    party.street = lines.value(1);
    party.place = lines.mid(2).join(u' ');

    party.account = parts.account.trimmed();
    party.iban = party.account.isEmpty() ? QString() : checkAccount(party.account).iban;

    const QString reference = parts.reference.trimmed();
    const qsizetype space = reference.indexOf(u' ');
    if (space < 0) {
        party.reference = reference;
        return party;
    }
    const QString model = reference.left(space);
    const std::optional<int> modelNumber = parseModel(model);
    party.model = modelNumber ? modelName(*modelNumber) : model;
    party.reference = reference.mid(space + 1).simplified().replace(u' ', u'-');
    return party;
}
