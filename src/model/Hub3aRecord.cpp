#include "model/Hub3aRecord.h"

#include <QList>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 maxCents = 999'999'999'999'999;

bool allDigits(QStringView text)
{
    for (QChar ch : text) {
        if (ch < u'0' || ch > u'9')
            return false;
    }
    return true;
}

// Whole euros with or without "." between groups of three: "1234", "1.234", not "12.34".
std::optional<QString> wholeDigits(QStringView text)
{
    if (!text.contains(u'.'))
        return allDigits(text) ? std::optional(text.toString()) : std::nullopt;
    const QList<QStringView> groups = text.split(u'.');
    QString digits;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const QStringView group = groups[i];
        const bool sizeFits = i == 0 ? group.size() >= 1 && group.size() <= 3 : group.size() == 3;
        if (!sizeFits || !allDigits(group))
            return std::nullopt;
        digits += group;
    }
    return digits;
}

} // namespace

void Hub3aRecord::set(Hub3aField field, const QString &text)
{
    texts[static_cast<size_t>(field)] = text;
}

QString Hub3aRecord::setFitted(Hub3aField field, const QString &text)
{
    const QString kept = cleanHub3aText(field, text);
    texts[static_cast<size_t>(field)] = kept;
    const Hub3aFieldSpec &rules = hub3aField(field);
    QString dropped;
    qsizetype taken = 0;
    for (const QChar ch : raisedHub3aCodes(field, text)) {
        if (hub3aAccepts(rules.charset, ch))
            ++taken;
        else if (!dropped.contains(ch))
            dropped += ch;
    }
    QStringList how;
    if (!dropped.isEmpty())
        how.append(u"izostavljeni znakovi %1"_s.arg(dropped));
    if (taken > rules.maxLength)
        how.append(u"skraćeno na %1 znakova"_s.arg(rules.maxLength));
    return how.isEmpty() ? QString() : u"%1: %2"_s.arg(rules.label(), how.join(u", "_s));
}

std::optional<qint64> hub3aAmountCents(const QString &text)
{
    if (text.isEmpty())
        return 0;
    const qsizetype comma = text.indexOf(u',');
    const QStringView whole = comma < 0 ? QStringView(text) : QStringView(text).left(comma);
    const QStringView decimals = comma < 0 ? QStringView() : QStringView(text).mid(comma + 1);
    if (decimals.size() > 2 || !allDigits(decimals) || (whole.isEmpty() && decimals.isEmpty()))
        return std::nullopt;
    const std::optional<QString> digits = wholeDigits(whole);
    if (!digits || digits->size() > 13)
        return std::nullopt;
    const qint64 euros = digits->isEmpty() ? 0 : digits->toLongLong();
    const qint64 cents = decimals.isEmpty() ? 0 : decimals.toString().leftJustified(2, u'0').toLongLong();
    const qint64 total = euros * 100 + cents;
    return total <= maxCents ? std::optional(total) : std::nullopt;
}

QString hub3aAmountText(qint64 cents)
{
    QString whole = QString::number(cents / 100);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, u'.');
    return whole + u',' + QString::number(cents % 100).rightJustified(2, u'0');
}
