#include "payments/Oib.h"

#include "payments/CheckDigits.h"

CheckResult checkOib(const QString &text)
{
    const QString oib = text.trimmed();
    if (oib.isEmpty())
        return CheckResult::empty();
    if (oib.size() != 11 ||
        !std::all_of(oib.begin(), oib.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return CheckResult::invalid(QStringLiteral("OIB ima 11 znamenaka"));
    const int expected = *expectedCheckDigit(CheckMethod::Iso7064, QStringView(oib).chopped(1));
    if (oib.back().unicode() - u'0' != expected)
        return CheckResult::invalid(QStringLiteral("kontrolni broj treba biti %1").arg(expected));
    return CheckResult::valid(QStringLiteral("OIB je ispravan"));
}
