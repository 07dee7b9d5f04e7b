#pragma once

#include <QLatin1StringView>
#include <QString>

// The entry controls of the tabs, reached by their object names (SlipControlTable.h,
// Hub3aControlTable.h).
// Setting a digit box fits the value into its positions, as a program-set value.
class SlipFieldAccess
{
public:
    virtual ~SlipFieldAccess() = default;
    virtual QString fieldText(QLatin1StringView control) const = 0;
    virtual void setFieldText(QLatin1StringView control, const QString &text) = 0;
};
