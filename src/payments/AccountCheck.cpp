#include "payments/AccountCheck.h"

#include "payments/CheckDigits.h"
#include "payments/Iban.h"

#include <QRegularExpression>

namespace {

// Compares a part's last digit with the one the digits before it call for.
std::optional<int> wrongCheckDigit(QStringView part)
{
    const int expected = *expectedCheckDigit(CheckMethod::Iso7064, part.chopped(1));
    if (part.back().unicode() - u'0' == expected)
        return std::nullopt;
    return expected;
}

CheckResult checkOldForm(const QString &bank, const QString &account)
{
    if (const auto expected = wrongCheckDigit(bank))
        return CheckResult::wrongCheckDigits(
            QStringLiteral("kontrolni broj banke treba biti %1").arg(*expected));
    if (const auto expected = wrongCheckDigit(account))
        return CheckResult::wrongCheckDigits(
            QStringLiteral("kontrolni broj računa treba biti %1").arg(*expected));
    const QString iban = ibanFromBban(bank + account);
    return CheckResult::valid(QStringLiteral("IBAN: ") + groupIban(iban), iban);
}

} // namespace

CheckResult checkAccount(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return CheckResult::empty();
    if (trimmed.size() >= 2 && trimmed[0].isLetter() && trimmed[1].isLetter())
        return checkIban(trimmed);
    static const QRegularExpression oldForm(QStringLiteral("^([0-9]{7})-([0-9]{10})$"));
    const QRegularExpressionMatch match = oldForm.match(trimmed);
    if (!match.hasMatch())
        return CheckResult::unchecked(QStringLiteral("nepoznat oblik računa, nije provjeren"));
    return checkOldForm(match.captured(1), match.captured(2));
}
