#pragma once

#include "ui/SlipFieldAccess.h"

#include <QMap>
#include <QStringList>

// The entry controls as a map from control name to text, logging every field that is set; for
// tests, benchmarks and fuzzers.
class FakeSlipFields : public SlipFieldAccess
{
public:
    QString fieldText(QLatin1StringView control) const override { return texts.value(QString(control)); }
    void setFieldText(QLatin1StringView control, const QString &text) override
    {
        texts[QString(control)] = text;
        setOrder.append(QString(control));
    }

    QMap<QString, QString> texts;
    QStringList setOrder;
};
