#include "book/BookKeys.h"

#include "model/Hub3aRules.h"
#include "payments/Iban.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QString bookRepeatKey(const Hub3aRecord &record)
{
    using F = Hub3aField;
    return u"%1|%2%3|%4"_s
        .arg(compactIban(record[F::RecipientIban]), completedHub3aModel(record[F::RecipientModel].trimmed()),
             record[F::RecipientReference].trimmed())
        .arg(hub3aAmountCents(record[F::Amount]).value_or(0));
}

QString bookSourceKey(const BookOrigin &origin)
{
    if (origin.source == BookSource::Invoice && !origin.invoice.isEmpty())
        return u"e-račun:"_s + origin.invoice;
    if (origin.source != BookSource::Invoice || origin.file.isEmpty())
        return QString();
    return u"%1#%2"_s.arg(QFileInfo(origin.file).absoluteFilePath()).arg(origin.place);
}
