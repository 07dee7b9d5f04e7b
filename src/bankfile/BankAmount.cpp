#include "bankfile/BankAmount.h"

#include <QRegularExpression>

QString bankAmountText(qint64 cents)
{
    return QStringLiteral("%1.%2").arg(cents / 100).arg(cents % 100, 2, 10, QChar(u'0'));
}

std::optional<qint64> bankAmountCents(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral("^([0-9]{1,13})(?:\\.([0-9]{1,5}))?$"));
    const QRegularExpressionMatch match = decimal.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString fraction = match.captured(2);
    while (fraction.size() > 2 && fraction.endsWith(u'0'))
        fraction.chop(1);
    if (fraction.size() > 2)
        return std::nullopt;
    return match.captured(1).toLongLong() * 100 + fraction.leftJustified(2, u'0').toInt();
}
