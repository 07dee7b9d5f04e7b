#include "payments/ReferenceCheck.h"

#include "payments/ReferenceModels.h"

#include <QStringList>

namespace {

constexpr qsizetype longestReference = 22;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int digitValue(QChar c)
{
    return c.unicode() - u'0';
}

// "1 znamenku", "4 znamenke", "12 znamenaka": the noun as a number before it wants it.
QString digitsNoun(int count)
{
    if (count % 10 == 1 && count % 100 != 11)
        return QStringLiteral("znamenku");
    if (count % 10 >= 2 && count % 10 <= 4 && (count % 100 < 12 || count % 100 > 14))
        return QStringLiteral("znamenke");
    return QStringLiteral("znamenaka");
}

QString elementName(int index)
{
    return QStringLiteral("P%1").arg(index + 1);
}

QString lengthMessage(int index, ElementLengths lengths)
{
    QList<int> allowed;
    for (int n = 1; n < 32; ++n) {
        if (lengths & exactly(n))
            allowed.append(n);
    }
    const int longest = allowed.back();
    if (lengths == upTo(longest) && longest > 1)
        return QStringLiteral("%1 ima najviše %2 %3")
            .arg(elementName(index))
            .arg(longest)
            .arg(digitsNoun(longest));
    QStringList numbers;
    for (int n : allowed)
        numbers.append(QString::number(n));
    const QString last = numbers.takeLast();
    const QString list =
        numbers.isEmpty() ? last : numbers.join(QStringLiteral(", ")) + QStringLiteral(" ili ") + last;
    return QStringLiteral("%1 mora imati %2 %3").arg(elementName(index), list, digitsNoun(longest));
}

QString firstDigitMessage(int index, const char *firstDigits)
{
    const QString digits = QString::fromLatin1(firstDigits);
    if (digits == u"123456789")
        return QStringLiteral("%1 ne smije počinjati nulom").arg(elementName(index));
    QStringList choices;
    for (QChar c : digits)
        choices.append(QString(c));
    const QString last = choices.takeLast();
    const QString list =
        choices.isEmpty() ? last : choices.join(QStringLiteral(", ")) + QStringLiteral(" ili ") + last;
    return QStringLiteral("%1 mora počinjati znamenkom %2").arg(elementName(index), list);
}

std::optional<QString> elementError(int index, QStringView element, const ElementRule &rule)
{
    const qsizetype length = element.size();
    if (length >= 32 || !(rule.lengths & exactly(static_cast<int>(length))))
        return lengthMessage(index, rule.lengths);
    if (rule.firstDigits && !QLatin1StringView(rule.firstDigits).contains(element.front()))
        return firstDigitMessage(index, rule.firstDigits);
    return std::nullopt;
}

bool hasThreeSameInARow(QStringView digits)
{
    for (qsizetype i = 2; i < digits.size(); ++i) {
        if (digits[i] == digits[i - 1] && digits[i] == digits[i - 2])
            return true;
    }
    return false;
}

QString wrongDigit(const QString &prefix, std::optional<int> expected)
{
    if (!expected)
        return prefix + QStringLiteral("nijedan kontrolni broj ne odgovara ovim znamenkama");
    return prefix + QStringLiteral("kontrolni broj treba biti %1").arg(*expected);
}

// The error of a run with two check digits at its end (modulo 10, then modulo 11).
std::optional<QString> pairError(const QString &prefix, QStringView run)
{
    const QStringView data = run.chopped(2);
    if (hasThreeSameInARow(data))
        return prefix + QStringLiteral("tri iste znamenke zaredom");
    const std::optional<int> first = expectedCheckDigit(CheckMethod::Mod10, data);
    if (digitValue(run[run.size() - 2]) != *first)
        return prefix + QStringLiteral("prvi kontrolni broj treba biti %1").arg(*first);
    const std::optional<int> second = expectedSecondPairDigit(data);
    if (!second || digitValue(run.back()) != *second)
        return wrongDigit(prefix + QStringLiteral("drugi "), second);
    return std::nullopt;
}

std::optional<QString> checkDigitError(const QString &prefix, QStringView run, CheckMethod method)
{
    if (method == CheckMethod::Mod10Mod11Pair)
        return pairError(prefix, run);
    if (method == CheckMethod::Mod11Jmb &&
        std::all_of(run.begin(), run.end(), [&](QChar c) { return c == run[0]; }))
        return prefix + QStringLiteral("sve znamenke su iste");
    const std::optional<int> expected = expectedCheckDigit(method, run.chopped(1));
    if (expected && digitValue(run.back()) == *expected)
        return std::nullopt;
    return wrongDigit(prefix, expected);
}

std::optional<QString> spanError(const ModelRule &rule, const CheckSpan &span, const QStringList &elements)
{
    const int count = static_cast<int>(elements.size());
    if (span.method == CheckMethod::None || span.first >= count)
        return std::nullopt;
    const int last = std::min(span.last, count - 1);
    QString run;
    for (int i = span.first; i <= last; ++i)
        run += elements[i];
    const CheckMethod method = methodForLength(span.method, run.size());
    if (method == CheckMethod::None)
        return std::nullopt;
    // A check digit over the whole reference belongs to no one element.
    const bool wholeReference = span.first == 0 && span.last == rule.maxElements - 1;
    const QString prefix = wholeReference ? QString() : elementName(last) + QStringLiteral(": ");
    return checkDigitError(prefix, run, method);
}

std::optional<QString> structureError(const ModelRule &rule, const QString &reference,
                                      const QStringList &elements)
{
    if (!std::all_of(reference.begin(), reference.end(), [](QChar c) { return isDigit(c) || c == u'-'; }))
        return QStringLiteral("poziv na broj ima samo znamenke i crtice");
    if (std::any_of(elements.begin(), elements.end(), [](const QString &e) { return e.isEmpty(); }))
        return QStringLiteral("podatak između crtica ne smije biti prazan");
    const int count = static_cast<int>(elements.size());
    if (count > rule.maxElements)
        return QStringLiteral("model %1 ima najviše %2 podatka")
            .arg(modelName(rule.number))
            .arg(rule.maxElements);
    if (count < rule.minElements) {
        const QString least = rule.minElements == rule.maxElements ? QString() : QStringLiteral("najmanje ");
        return QStringLiteral("model %1 traži %2%3 podatka")
            .arg(modelName(rule.number), least)
            .arg(rule.minElements);
    }
    for (int i = 0; i < count; ++i) {
        if (auto error = elementError(i, elements[i], rule.elements[static_cast<size_t>(i)]))
            return error;
    }
    return std::nullopt;
}

} // namespace

CheckResult checkReference(const QString &model, const QString &reference)
{
    const QString modelText = model.trimmed();
    const QString number = reference.trimmed();
    if (modelText.isEmpty() && number.isEmpty())
        return CheckResult::empty();
    if (modelText.isEmpty())
        return CheckResult::invalid(QStringLiteral("upišite model poziva na broj"));
    const std::optional<int> modelNumber = parseModel(modelText);
    if (!modelNumber)
        return CheckResult::invalid(QStringLiteral("model je HR i dvije znamenke, od HR00 do HR99"));
    const ModelRule *rule = findModelRule(*modelNumber);
    if (!rule)
        return CheckResult::invalid(QStringLiteral("model %1 ne postoji").arg(modelName(*modelNumber)));
    if (rule->maxElements == 0) {
        if (!number.isEmpty())
            return CheckResult::invalid(QStringLiteral("uz model HR99 poziv na broj ostaje prazan"));
        return CheckResult::valid(QStringLiteral("model HR99: bez poziva na broj"));
    }
    if (number.isEmpty())
        return CheckResult::invalid(QStringLiteral("upišite poziv na broj (bez njega model je HR99)"));
    if (number.size() > longestReference)
        return CheckResult::invalid(QStringLiteral("poziv na broj ima najviše 22 znaka"));
    const QStringList elements = number.split(u'-');
    if (auto error = structureError(*rule, number, elements))
        return CheckResult::invalid(*error);
    for (const CheckSpan &span : rule->checks) {
        if (auto error = spanError(*rule, span, elements))
            return CheckResult::invalid(*error);
    }
    return CheckResult::valid(
        QStringLiteral("poziv na broj odgovara modelu %1").arg(modelName(*modelNumber)));
}
