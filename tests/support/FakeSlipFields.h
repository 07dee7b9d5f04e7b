#pragma once

#include "ui/SlipControlTable.h"
#include "ui/SlipFieldAccess.h"

#include <QMap>
#include <QStringList>

// The entry fields as a map from the name of the control holding each (SlipControlTable.h) to its
// text, logging every field that is set; for tests, benchmarks and fuzzers.
class FakeSlipFields : public SlipFieldAccess
{
public:
    QString fieldText(FormField field) const override { return texts.value(QString(controlOf(field))); }
    void setFieldText(FormField field, const QString &text) override
    {
        texts[QString(controlOf(field))] = text;
        setOrder.append(QString(controlOf(field)));
    }

    QMap<QString, QString> texts;
    QStringList setOrder;
};
