#include "FuzzCheck.h"
#include "payments/AccountCheck.h"
#include "payments/Iban.h"
#include "payments/Oib.h"
#include "payments/ReferenceCheck.h"

#include <QRegularExpression>
#include <QStringList>

#include <cstdint>

namespace {

// "P2: kontrolni broj treba biti 8" or "kontrolni broj treba biti 8": which element (0 for the
// whole reference) and which digit.
struct NamedDigit
{
    int element = 0;
    QString digits;
};

std::optional<NamedDigit> namedDigit(const QString &message)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(?:P([1-4]): )?kontrolni broj treba biti ([0-9]+)$"));
    const QRegularExpressionMatch match = pattern.match(message);
    if (!match.hasMatch())
        return std::nullopt;
    return NamedDigit{match.captured(1).isEmpty() ? 0 : match.captured(1).toInt(), match.captured(2)};
}

void checkResultShape(const CheckResult &result, bool empty)
{
    fuzzCheck((result.status == CheckStatus::Empty) == empty, "only an empty value gives no result");
    fuzzCheck(empty || !result.message.isEmpty(), "every result has a message");
    fuzzCheck(result.iban.isEmpty() || result.status == CheckStatus::Valid,
              "only a valid account has an IBAN");
}

void checkAccountText(const QString &text)
{
    const CheckResult result = checkAccount(text);
    checkResultShape(result, text.trimmed().isEmpty());
    if (result.status == CheckStatus::Valid)
        fuzzCheck(checkIban(result.iban).status == CheckStatus::Valid,
                  "the IBAN of a valid account is valid");
    // An IBAN with the check digits the message names is valid.
    const std::optional<NamedDigit> named = namedDigit(result.message);
    if (named && named->digits.size() == 2) {
        QString fixed = compactIban(text.trimmed());
        fixed.replace(2, 2, named->digits);
        fuzzCheck(checkIban(fixed).status == CheckStatus::Valid, "the named IBAN check digits are right");
    }
}

void checkReferenceText(const QString &text)
{
    const qsizetype bar = text.indexOf(u'|');
    const QString model = bar < 0 ? QString() : text.left(bar);
    const QString reference = bar < 0 ? text : text.mid(bar + 1);
    const CheckResult result = checkReference(model, reference);
    checkResultShape(result, model.trimmed().isEmpty() && reference.trimmed().isEmpty());
    fuzzCheck(result.iban.isEmpty(), "a reference has no IBAN");
    const std::optional<NamedDigit> named = namedDigit(result.message);
    if (!named)
        return;
    // Putting the named digit in its place mends that check digit.
    QStringList elements = reference.trimmed().split(u'-');
    const qsizetype element = named->element == 0 ? elements.size() - 1 : named->element - 1;
    fuzzCheck(element < elements.size() && !elements[element].isEmpty(), "the named element exists");
    elements[element].back() = named->digits.back();
    fuzzCheck(checkReference(model, elements.join(u'-')).message != result.message,
              "the named check digit is the right one");
}

void checkOibText(const QString &text)
{
    const CheckResult result = checkOib(text);
    checkResultShape(result, text.trimmed().isEmpty());
    if (const std::optional<NamedDigit> named = namedDigit(result.message)) {
        QString fixed = text.trimmed();
        fixed.back() = named->digits.back();
        fuzzCheck(checkOib(fixed).status == CheckStatus::Valid, "the named OIB check digit is right");
    }
}

} // namespace

// The first byte picks the check (account, model|reference, OIB), the rest is the text. Every
// text gets a message, and a check digit named as the right one is the right one.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const QString text = fuzzUtf16(data + 1, size - 1);
    switch (data[0] % 3) {
    case 0:
        checkAccountText(text);
        break;
    case 1:
        checkReferenceText(text);
        break;
    default:
        checkOibText(text);
        break;
    }
    return 0;
}
