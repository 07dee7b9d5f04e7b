#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace Pain002 {

// One status reason: its code and the bank's additional texts.
struct Reason
{
    QString code;
    QStringList texts;
};

// What an ISO external status reason code means, in Croatian; a general text for codes not known.
QString reasonText(const QString &code);

// Each reason's meaning (reasonText) with the bank's texts after it, joined with "; ".
QString reasonMessage(const QList<Reason> &reasons);

// The reasons' codes joined with commas ("AC01,NARR").
QString reasonCodes(const QList<Reason> &reasons);

} // namespace Pain002
