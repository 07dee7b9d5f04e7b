#include "payments/CreditorReference.h"

#include "payments/CheckDigits.h"

#include <QRegularExpression>

CheckResult checkCreditorReference(const QString &text)
{
    QString reference = text;
    reference.remove(u' ');
    reference = reference.toUpper();
    if (reference.isEmpty())
        return CheckResult::empty();
    static const QRegularExpression form(QStringLiteral("^RF[0-9]{2}[0-9A-Z]{1,21}$"));
    if (!form.match(reference).hasMatch())
        return CheckResult::invalid(
            QStringLiteral("referenca RF ima RF, dva kontrolna broja i do 21 slova ili znamenke"));
    if (!iso7064Mod97Valid(reference))
        return CheckResult::invalid(QStringLiteral("kontrolni broj reference treba biti %1")
                                        .arg(iso7064Mod97CheckDigits(u"RF", QStringView(reference).mid(4))));
    return CheckResult::valid(reference);
}
